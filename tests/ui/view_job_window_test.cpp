// The window operations the workers call: the log in colour with its scrolling, the instruction
// pane's bold ranges, and the synchronous crossing onto the user-interface thread.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "view_fixture.h"

namespace xr::test {
namespace {

using ViewJobWindow = ViewTestBase<>;

TEST_F(ViewJobWindow, AppendedLinesKeepTheirOwnColoursAndTheLogsBold) {
  view->SetLogText("");
  view->AppendLog("C:\\in\\a.xlsx file is open....\r\n", engine::kBlack);
  view->AppendLog("C:\\in\\a.xlsx  Repaired....\r\n", engine::kGreen);
  view->AppendLog("C:\\in\\b.xlsx not Repaired....\r\n", engine::kRed);
  view->AppendLog("tail without line end", engine::kBlack);
  const std::vector<LogLine> expected = {
      {L"C:\\in\\a.xlsx file is open....\r", kLogBlack},
      {L"C:\\in\\a.xlsx  Repaired....\r", kLogGreen},
      {L"C:\\in\\b.xlsx not Repaired....\r", kLogRed},
      {L"tail without line end", kLogBlack},
  };
  EXPECT_EQ(LogLines(), expected);
  const std::wstring text = LogText();
  for (LONG i = 0; i < static_cast<LONG>(text.size()); ++i) {
    ASSERT_TRUE(FormatAt(view->ActivityLog(), i).dwEffects & CFE_BOLD) << "character " << i;
  }

  view->SetLogText("replaced");
  EXPECT_EQ(LogText(), L"replaced");
}

TEST_F(ViewJobWindow, LogScrollsSoTheNewLinesAreVisible) {
  view->SetLogText("");
  for (int i = 0; i < 200; ++i) {
    view->AppendLog("line " + std::to_string(i) + "\r\n", engine::kBlack);
    PumpPending();
  }
  wnd::RichEdit& log = view->ActivityLog();
  EXPECT_GT(log.FirstVisibleLine(), 150);
  // The last line's text sits inside the visible area.
  const std::wstring text = LogText();
  const LONG last = static_cast<LONG>(text.rfind(L"line 199"));
  POINTL where{};
  log.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&where), last);
  const RECT client = log.ClientRect();
  EXPECT_GE(where.y, 0);
  EXPECT_LT(where.y, client.bottom);
}

TEST_F(ViewJobWindow, LogKeepsEveryLineOfALongRun) {
  // A run over a few hundred files writes far more than the control's default 32,767 characters.
  view->SetLogText("");
  const std::string line = std::string(90, '*') + "\r\n";
  for (int i = 0; i < 400; ++i) view->AppendLog(line, engine::kBlack);
  view->AppendLog("Repairing process completed....\r\n", engine::kBlack);
  const std::wstring text = LogText();
  const std::wstring last = L"Repairing process completed....\r";
  // Wine's control takes every insertion whatever its limit, so the limit is read back as well.
  EXPECT_GE(static_cast<std::size_t>(view->ActivityLog().Send(EM_GETLIMITTEXT)), std::size_t{0x7FFFFFFE});
  EXPECT_EQ(text.size(), 400u * 91 + last.size());
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST_F(ViewJobWindow, InstructionsCarryOnlyTheirOwnBoldRanges) {
  view->SetInstructions("Please wait while .xlsx file(s) are Repairing....", {{19, 30}});
  EXPECT_EQ(PlainText(view->InstructionPane()), L"Please wait while .xlsx file(s) are Repairing....");
  EXPECT_EQ(BoldRanges(view->InstructionPane()), (std::vector<std::pair<int, int>>{{19, 30}}));

  view->SetInstructions(
      "Saving of .xlsx file(s) completed....\n Click exit to end the application or \nSelect new "
      ".xlsx file(s) to repair....",
      {{11, 22}});
  EXPECT_EQ(PlainText(view->InstructionPane()),
            L"Saving of .xlsx file(s) completed....\r Click exit to end the application or \rSelect "
            L"new .xlsx file(s) to repair....");
  EXPECT_EQ(BoldRanges(view->InstructionPane()), (std::vector<std::pair<int, int>>{{11, 22}}));

  // A line feed counts one unit, as the ranges after it show.
  view->SetInstructions("ab\ncd", {{0, 1}, {3, 5}});
  EXPECT_EQ(BoldRanges(view->InstructionPane()), (std::vector<std::pair<int, int>>{{0, 1}, {3, 5}}));
}

TEST_F(ViewJobWindow, WorkerCallsWaitForTheUiThreadAndRunThere) {
  Select({L"C:\\in\\a.xlsx", L"C:\\in\\b.xlsx"});
  const DWORD uiThread = GetCurrentThreadId();
  DWORD boxThread = 0;
  std::atomic<bool> appended{false};
  std::atomic<int> count{-1};
  std::string path;
  int answer = 0;
  {
    ScopedAppMessageHandler box([&](HWND owner, std::wstring_view text, UINT flags) {
      boxThread = GetCurrentThreadId();
      EXPECT_EQ(owner, view->hwnd());
      EXPECT_EQ(text, L"from the worker");
      EXPECT_EQ(flags, kAppMessageOk);
      return IDOK;
    });
    std::thread worker([&] {
      view->AppendLog("from the worker\r\n", engine::kGreen);
      appended = true;
      count = view->SourceCount();
      path = view->SourcePath(1);
      answer = view->ShowMessage("from the worker", engine::kMessageOk, true);
    });
    // The UI thread does not pump: the worker's first call cannot have run, and it waits.
    Sleep(300);
    EXPECT_FALSE(appended.load());
    EXPECT_EQ(LogText().find(L"from the worker"), std::wstring::npos);
    EXPECT_TRUE(PumpUntil([&] { return answer != 0; }, 5000));
    worker.join();
  }
  EXPECT_NE(LogText().find(L"from the worker\r"), std::wstring::npos);
  EXPECT_EQ(count.load(), 2);
  EXPECT_EQ(path, "C:\\in\\b.xlsx");
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(boxThread, uiThread) << "the box belongs to the user-interface thread";
}

TEST_F(ViewJobWindow, CallsAfterTheWindowHasGoneReturnAtOnce) {
  Select({L"C:\\in\\a.xlsx"});
  frame.Destroy();
  auto calls = std::async(std::launch::async, [&] {
    view->AppendLog("late\r\n", engine::kBlack);
    view->ShowPreviewNotice(engine::kNoticeNone);
    return std::make_pair(view->SourceCount(), view->SourcePath(0));
  });
  ASSERT_EQ(calls.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  const auto [count, path] = calls.get();
  EXPECT_EQ(count, 0);
  EXPECT_EQ(path, "");
}

TEST_F(ViewJobWindow, ProgressOperationsDriveTheBars) {
  view->ShowProgressArea(true);
  view->ResetProgress(engine::ProgressBar::Total, 4);
  view->SetProgress(engine::ProgressBar::Total, 3);
  EXPECT_EQ(view->TotalProgressBar().Position(), 3);
  EXPECT_EQ(view->TotalProgressBar().Range().iHigh, 4);
  EXPECT_EQ(view->TotalProgressBar().Range().iLow, 0);
  view->ResetProgress(engine::ProgressBar::File, 10);
  EXPECT_EQ(view->FileProgressBar().Position(), 0);
  EXPECT_EQ(view->FileProgressBar().Range().iHigh, 10);
  EXPECT_EQ(view->FileProgressBar().GetProgressText(), L"") << "a reset bar shows no estimate";
  EXPECT_EQ(view->TotalProgressBar().Position(), 3) << "the other bar is untouched";
}

}  // namespace
}  // namespace xr::test
