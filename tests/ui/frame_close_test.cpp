// The close sequence: every way of closing asks first, a minimized window is restored maximized
// before it asks, a running job refuses the close, No keeps window and workspace, Yes removes
// the workspace and ends the application, and a worker still finishing after Stop is waited for.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app_harness.h"
#include "resource.h"
#include "support/gui_test.h"
#include "support/zip_builder.h"

namespace xr::test {
namespace {

constexpr const wchar_t* kConfirmExit = L"Do you really want to exit?";
constexpr const wchar_t* kStopFirst =
    L"Please stop the running process before closing the application.";

// A file of an earlier repair run in the application's workspace.
std::filesystem::path LeaveWorkspaceFile(AppHarness& harness) {
  return harness.scratch.Write("temp/XlsxTemp/book.xlsx0/xl/workbook.xml", "<w/>");
}

bool QuitPosted() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

struct CloseWay {
  const char* name;
  std::function<void(AppHarness&)> close;
};

TEST(FrameClose, EveryWayOfClosingAsksAndNoKeepsWindowAndWorkspace) {
  const std::vector<CloseWay> ways = {
      {"close request", [](AppHarness& h) { h.frame().Send(WM_CLOSE); }},
      {"system menu", [](AppHarness& h) { h.frame().Send(WM_SYSCOMMAND, SC_CLOSE); }},
      {"File > Exit", [](AppHarness& h) { h.frame().Send(WM_COMMAND, ID_CMD_EXIT); }},
      {"Exit button",
       [](AppHarness& h) {
         HWND button = h.view().Button(ID_VANTOR_BTN_EXIT)->hwnd();
         h.view().Send(WM_COMMAND, MAKEWPARAM(ID_VANTOR_BTN_EXIT, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
       }},
  };
  for (const CloseWay& way : ways) {
    SCOPED_TRACE(way.name);
    AppHarness harness;
    ASSERT_TRUE(harness.Start());
    const std::filesystem::path left = LeaveWorkspaceFile(harness);
    harness.answers = {IDNO};
    way.close(harness);

    const std::vector<Shown> shown = harness.AppMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, kConfirmExit);
    EXPECT_EQ(shown[0].flags, 0x24u);
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_TRUE(IsWindow(harness.frame().hwnd()));
    EXPECT_TRUE(std::filesystem::exists(left));
    EXPECT_FALSE(QuitPosted());
  }
}

TEST(FrameClose, YesRemovesTheWorkspaceAndEndsTheApplication) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  LeaveWorkspaceFile(harness);
  const HWND frame = harness.frame().hwnd();
  harness.answers = {IDYES};
  harness.frame().Send(WM_CLOSE);

  EXPECT_FALSE(IsWindow(frame));
  EXPECT_FALSE(std::filesystem::exists(harness.Root()));
  EXPECT_TRUE(QuitPosted());
}

TEST(FrameClose, ARunningJobRefusesTheCloseWithoutAsking) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  const std::filesystem::path left = LeaveWorkspaceFile(harness);
  harness.frame().RunFlag().store(1);
  harness.answers = {IDYES};  // would close if the question were asked
  harness.frame().Send(WM_CLOSE);
  harness.frame().RunFlag().store(0);

  const std::vector<Shown> shown = harness.AppMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, kStopFirst);
  EXPECT_EQ(shown[0].flags, 0x40u);
  EXPECT_EQ(shown[0].owner, nullptr);
  EXPECT_TRUE(IsWindow(harness.frame().hwnd()));
  EXPECT_TRUE(std::filesystem::exists(left));
}

TEST(FrameClose, AMinimizedWindowIsShownMaximizedBeforeTheQuestion) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  const HWND frame = harness.frame().hwnd();
  ShowWindow(frame, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(frame));
  bool maximizedWhenAsked = false;
  harness.onMessage = [&](const Shown&) {
    maximizedWhenAsked = IsZoomed(frame) && !IsIconic(frame);
  };
  harness.answers = {IDNO};
  harness.frame().Send(WM_CLOSE);

  EXPECT_TRUE(maximizedWhenAsked);
  EXPECT_TRUE(IsZoomed(frame));
  ASSERT_EQ(harness.AppMessages().size(), 1u);
}

std::string Workbook() {
  ZipBuilder zip;
  zip.Add("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>");
  zip.Add("xl/workbook.xml", "<workbook><sheets><sheet name=\"One\"/></sheets></workbook>");
  zip.Raw(std::string("PK\x01\x02", 4));  // a directory that breaks off
  return zip.Bytes();
}

TEST(FrameClose, AfterStopTheFinishingWorkerIsWaitedForBeforeTheWorkspaceGoes) {
  AppHarness harness;
  std::vector<std::wstring> books;
  for (const char* name : {"a.xlsx", "b.xlsx", "c.xlsx"}) {
    books.push_back(harness.scratch.Write(std::string("in/") + name, Workbook()).wstring());
  }
  harness.selection = books;
  ASSERT_TRUE(harness.Start());
  ASSERT_EQ(harness.view().SourceCount(), 3);
  const HWND frame = harness.frame().hwnd();

  // The worker's first window call waits for this thread, which does not serve it until the
  // close sequence waits: the worker is still to make its folders when the user closes.
  harness.view().RepairFiles();
  ASSERT_TRUE(harness.view().IsWorkerActive());
  harness.answers = {IDYES, IDYES};  // stop the run; then exit
  harness.view().StopRun();
  ASSERT_EQ(harness.frame().RunFlag().load(), 0);
  harness.frame().Send(WM_CLOSE);

  EXPECT_FALSE(IsWindow(frame));
  EXPECT_FALSE(harness.view().IsWorkerActive());
  EXPECT_FALSE(std::filesystem::exists(harness.Root()));
  Sleep(200);
  EXPECT_FALSE(std::filesystem::exists(harness.Root()));
  const std::vector<Shown> shown = harness.AppMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text, kConfirmExit);
}

}  // namespace
}  // namespace xr::test
