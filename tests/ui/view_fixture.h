// The workspace view hosted in a plain frame of the window layer, with the program's menu,
// accelerators and status bar, a private temporary folder (so the repair workspace is the test's
// own), recorded message boxes and answered pickers; and readers for what the view shows.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <functional>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/resource_text.h"
#include "htmlbox/app_message.h"
#include "platform/text.h"
#include "resource.h"
#include "support/gui_test.h"
#include "support/scratch_folder.h"
#include "support/temp_folder_override.h"
#include "support/zip_builder.h"
#include "ui/pickers.h"
#include "ui/vantor_view.h"

namespace xr::test {

struct ShownMessage {
  HWND owner = nullptr;
  std::wstring text;
  UINT flags = 0;
};

// One row of the source list as the list holds it.
struct Row {
  std::wstring path;
  int icon = -1;
  LPARAM mark = -1;
  friend bool operator==(const Row&, const Row&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << platform::Narrow(row.path) << " icon " << row.icon << " mark " << row.mark;
}

// A stretch of the activity log in one colour.
struct LogLine {
  std::wstring text;
  COLORREF colour = 0;
  friend bool operator==(const LogLine&, const LogLine&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const LogLine& line) {
  return out << "[" << GetRValue(line.colour) << "," << GetGValue(line.colour) << ","
             << GetBValue(line.colour) << "] " << platform::Narrow(line.text);
}

inline constexpr COLORREF kLogBlack = RGB(0, 0, 0);
inline constexpr COLORREF kLogGreen = RGB(0, 153, 0);
inline constexpr COLORREF kLogRed = RGB(255, 0, 0);

// The text as the selection counts it: a paragraph end is one "\r".
inline std::wstring PlainText(wnd::RichEdit& edit) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto count = edit.Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length));
  std::wstring text(static_cast<size_t>(count) + 1, L'\0');
  GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
  const auto copied = edit.Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

// The format of one character of a rich edit.
inline CHARFORMAT2W FormatAt(wnd::RichEdit& edit, LONG position) {
  edit.SetSelection(position, position + 1);
  return edit.SelectionFormat(CFM_COLOR | CFM_BOLD);
}

inline std::vector<LogLine> ColouredLines(wnd::RichEdit& edit) {
  const std::wstring text = PlainText(edit);
  std::vector<LogLine> lines;
  LogLine current;
  for (size_t i = 0; i < text.size(); ++i) {
    const COLORREF colour = FormatAt(edit, static_cast<LONG>(i)).crTextColor;
    if (!current.text.empty() && colour != current.colour && current.text.back() != L'\r') {
      lines.push_back(current);
      current = {};
    }
    if (current.text.empty()) current.colour = colour;
    current.text += text[i];
    if (text[i] == L'\r') {
      lines.push_back(current);
      current = {};
    }
  }
  if (!current.text.empty()) lines.push_back(current);
  edit.SetSelection(0, 0);
  return lines;
}

// Which characters of a rich edit are bold, as [begin, end) ranges.
inline std::vector<std::pair<int, int>> BoldRanges(wnd::RichEdit& edit) {
  const std::wstring text = PlainText(edit);
  std::vector<std::pair<int, int>> ranges;
  for (int i = 0; i < static_cast<int>(text.size()); ++i) {
    const bool bold = (FormatAt(edit, i).dwEffects & CFE_BOLD) != 0;
    if (!bold) continue;
    if (!ranges.empty() && ranges.back().second == i) {
      ranges.back().second = i + 1;
    } else {
      ranges.push_back({i, i + 1});
    }
  }
  edit.SetSelection(0, 0);
  return ranges;
}

// A view that tells the test about some of its workers' calls, on the worker's thread, after
// the call has run on the user-interface thread. While the hook runs the worker waits, so what the
// hook sees is the window exactly at that point of the run.
class ProbedView : public CVantorMSOfficeXlsxProjView {
 public:
  using CVantorMSOfficeXlsxProjView::CVantorMSOfficeXlsxProjView;
  std::function<void(const std::string& call, const std::string& detail)> onCall;

  void ShowProgressArea(bool show) override {
    CVantorMSOfficeXlsxProjView::ShowProgressArea(show);
    Tell("ShowProgressArea", show ? "show" : "hide");
  }
  void ShowTotalProgressOnly() override {
    CVantorMSOfficeXlsxProjView::ShowTotalProgressOnly();
    Tell("ShowTotalProgressOnly", "");
  }
  void MarkSource(int index, engine::StatusIcon icon, int mark) override {
    CVantorMSOfficeXlsxProjView::MarkSource(index, icon, mark);
    Tell("MarkSource", std::to_string(index));
  }
  void SetCommandStates(const engine::CommandStates& changes) override {
    CVantorMSOfficeXlsxProjView::SetCommandStates(changes);
    Tell("SetCommandStates", changes.canRepair.value_or(false) ? "repair on" : "");
  }
  void AppendLog(const std::string& text, engine::Colour colour) override {
    CVantorMSOfficeXlsxProjView::AppendLog(text, colour);
    Tell("AppendLog", text);
  }

 private:
  void Tell(const char* call, const std::string& detail) {
    if (onCall) onCall(call, detail);
  }
};

// The view under test may be a subclass that looks at the worker's calls.
template <typename ViewType = CVantorMSOfficeXlsxProjView>
class ViewTestBase : public ::testing::Test {
 protected:
  void SetUp() override {
    StartGui();
    ASSERT_TRUE(frame.CreateFrame(L"Workspace view test", IDR_MAINFRAME));
    ASSERT_TRUE(frame.CreateStatusBar(L"Tandrel xlsx Repair"));
    wnd::SetMainFrame(&frame);
    view = std::make_unique<ViewType>(runFlag);
    ASSERT_TRUE(view->Create(frame, nullptr));
    SetWindowPos(frame.hwnd(), nullptr, 0, 0, 1024, 720, SWP_NOZORDER);
    ShowWindow(frame.hwnd(), SW_SHOW);
    PumpPending();
  }

  void TearDown() override {
    if (view) {
      runFlag.store(0);
      view->WaitForWorker();
    }
    frame.Destroy();
    view.reset();
    if (wnd::MainFrame() == &frame) wnd::SetMainFrame(nullptr);
    PumpPending();
  }

  // Files and the workspace live in the test's own folder.
  ScratchFolder scratch;
  TempFolderOverride temp{scratch.path()};
  std::filesystem::path Root() const { return scratch.path() / "XlsxTemp"; }

  // Message boxes: recorded, answered from `answers` (IDOK when it runs out).
  std::mutex messageLock;
  std::vector<ShownMessage> messages;
  std::deque<int> answers;
  ScopedAppMessageHandler messageHandler{[this](HWND owner, std::wstring_view text, UINT flags) {
    std::lock_guard<std::mutex> hold(messageLock);
    messages.push_back({owner, std::wstring(text), flags});
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }};
  std::vector<ShownMessage> Messages() {
    std::lock_guard<std::mutex> hold(messageLock);
    return messages;
  }

  // The open-file dialog returns `selection` (nothing: cancelled); the folder picker `folder`.
  std::optional<std::vector<std::wstring>> selection;
  int dialogsShown = 0;
  ui::ScopedSourceFilesPicker filesPicker{[this](HWND) {
    ++dialogsShown;
    return selection;
  }};
  std::optional<std::wstring> folder;
  ui::ScopedFolderPicker folderPicker{[this](HWND) { return folder; }};

  std::atomic<int> runFlag{0};
  wnd::Frame frame;
  std::unique_ptr<ViewType> view;

  void Select(std::vector<std::wstring> paths) {
    selection = std::move(paths);
    view->SelectFiles();
  }

  // Pumps until the worker has finished its run.
  bool WaitIdle(DWORD milliseconds = 30000) {
    const bool idle = PumpUntil([&] { return !view->IsWorkerActive(); }, milliseconds);
    view->WaitForWorker();
    PumpPending();
    return idle;
  }

  void ClickButton(UINT id) {
    view->Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(view->Button(id)->hwnd()));
  }

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    CVantorListCtrl& list = view->SourceList();
    for (int i = 0; i < list.ItemCount(); ++i) {
      rows.push_back({list.ItemText(i, 0), list.ItemImage(i), list.ItemData(i)});
    }
    return rows;
  }

  // The log as runs of one colour, split after every line end.
  std::vector<LogLine> LogLines() { return ColouredLines(view->ActivityLog()); }
  std::wstring LogText() { return PlainText(view->ActivityLog()); }
};

// A picture file of one colour.
inline std::string PictureBytes(const ScratchFolder& scratch, const wchar_t* mime, COLORREF colour,
                                const char* name) {
  const std::filesystem::path file = scratch.path() / name;
  const bool written = WritePicture(file.wstring(), mime, 32, 24, [&](HDC dc) {
    Fill(dc, RECT{0, 0, 32, 24}, colour);
  });
  EXPECT_TRUE(written) << name;
  std::string bytes = ReadAll(file);
  std::filesystem::remove(file);
  return bytes;
}

// A damaged workbook: its entries' local headers and data as a ZIP writer left them, but no
// central directory, and a cut-off tail where the directory should begin.
inline std::string DamagedWorkbook(
    const std::vector<std::pair<std::string, std::string>>& extraEntries = {}) {
  ZipBuilder zip;
  zip.Add("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>");
  zip.Add("xl/workbook.xml", "<workbook><sheets><sheet name=\"One\"/></sheets></workbook>");
  zip.Add("xl/worksheets/sheet1.xml", "<worksheet><sheetData><row r=\"1\"/></sheetData></worksheet>");
  for (const auto& [name, data] : extraEntries) zip.Add(name, data, EntryForm{kStored});
  zip.Raw(std::string("PK\x01\x02\x14\x00", 6));  // the directory's first bytes, then nothing
  return zip.Bytes();
}

}  // namespace xr::test
