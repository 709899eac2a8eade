// The application's start-up as the user sees its results: the maximized frame with its caption,
// bars and logo, the open-file dialog shown once without any action, the status pane's text; and
// the two ways the start-up ends early.
#include <gtest/gtest.h>

#include "app_harness.h"
#include "framework/frame.h"
#include "framework/look.h"
#include "resource.h"

namespace xr::test {
namespace {

TEST(AppStartUp, ShowsTheMaximizedFrameAndTheFileDialogAtOnce) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();

  EXPECT_TRUE(IsWindowVisible(frame.hwnd()));
  EXPECT_TRUE(IsZoomed(frame.hwnd()));
  EXPECT_EQ(wnd::MainFrame(), &frame);
  EXPECT_EQ(harness.fileDialogs, 1);
  EXPECT_EQ(frame.statusBar().PaneText(0), L"Tandrel xlsx Repair");
  EXPECT_EQ(frame.statusBar().FirstPaneWidth(), 500);
  EXPECT_EQ(frame.Text(), L"Tandrel xlsx Repair - v01.0");
  EXPECT_EQ(frame.view(), harness.app().View());
  EXPECT_TRUE(harness.AppMessages().empty());
  EXPECT_TRUE(harness.systemMessages.empty());

  const std::vector<UINT> toolbar = {ID_MENU_SELECT_FILES, ID_MENU_REMOVE_FILES,
                                     ID_MENU_REPAIR_FILES, ID_MENU_BROWSE_FOLDER,
                                     ID_MENU_SAVE_FILES,   ID_MENU_SOFTWARE_HELP,
                                     ID_MENU_ABOUT};
  ASSERT_EQ(frame.toolBar().ButtonCount(), static_cast<int>(toolbar.size()));
  for (int i = 0; i < frame.toolBar().ButtonCount(); ++i) {
    EXPECT_EQ(frame.toolBar().CommandAt(i), toolbar[static_cast<size_t>(i)]) << i;
  }
  EXPECT_EQ(frame.toolBar().ImageCount(), 7);
  EXPECT_EQ(frame.toolBar().Text(), L"Standard");
}

TEST(AppStartUp, NoDialogWhenTheSelectionIsCancelledLeavesAnEmptyWorkspace) {
  // The dialog is shown once and, cancelled, leaves the window as created: the list empty and
  // only selecting available.
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  EXPECT_EQ(harness.fileDialogs, 1);
  EXPECT_EQ(harness.view().SourceCount(), 0);
  EXPECT_TRUE(harness.view().CanSelect());
  EXPECT_FALSE(harness.view().CanRepair());
}

TEST(AppStartUp, TheFilesChosenAtStartAreListed) {
  AppHarness harness;
  const std::filesystem::path book = harness.scratch.Write("in/book.xlsx", "PK not really");
  harness.selection = std::vector<std::wstring>{book.wstring()};
  ASSERT_TRUE(harness.Start());
  EXPECT_EQ(harness.fileDialogs, 1);
  ASSERT_EQ(harness.view().SourceCount(), 1);
  EXPECT_TRUE(harness.view().CanRepair());
}

TEST(AppStartUp, ASecondCopyIsToldAndEndsBeforeAnyWindow) {
  AppHarness harness;
  harness.HoldLockElsewhere();
  EXPECT_FALSE(harness.Start());

  ASSERT_EQ(harness.systemMessages.size(), 1u);
  const Shown& shown = harness.systemMessages[0];
  EXPECT_EQ(shown.owner, nullptr);
  EXPECT_EQ(shown.text, L"Another instance of application is already running");
  EXPECT_EQ(shown.caption, L"Tandrel xlsx Repair");
  EXPECT_EQ(shown.flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(harness.app().Frame(), nullptr);
  EXPECT_EQ(wnd::MainFrame(), nullptr);
  EXPECT_EQ(harness.fileDialogs, 0);
}

class NoComponentServices : public CVantorMSOfficeXlsxProjApp {
 public:
  using CVantorMSOfficeXlsxProjApp::CVantorMSOfficeXlsxProjApp;

 protected:
  HRESULT StartComponentServices() override { return E_FAIL; }
};

TEST(AppStartUp, WithoutComponentServicesTheStartUpEndsWithItsMessage) {
  AppHarness harness;
  EXPECT_FALSE(harness.Start<NoComponentServices>());
  ASSERT_EQ(harness.systemMessages.size(), 1u);
  EXPECT_EQ(harness.systemMessages[0].text,
            L"OLE initialization failed.  Make sure that the OLE libraries are the correct "
            L"version.");
  EXPECT_EQ(harness.systemMessages[0].caption, L"Tandrel xlsx Repair");
  EXPECT_EQ(harness.app().Frame(), nullptr);
  EXPECT_EQ(harness.fileDialogs, 0);
}

TEST(AppStartUp, TheStoredLookIsAppliedAndAFreshSettingGivesTheBlueStyle) {
  {
    AppHarness harness;
    ASSERT_TRUE(harness.Start());
    EXPECT_EQ(wnd::CurrentLookId(), static_cast<UINT>(ID_LOOK_OFFICE_2007_BLUE));
    EXPECT_EQ(harness.StoredLook(), ID_LOOK_OFFICE_2007_BLUE);
  }
  AppHarness harness;
  harness.StoreLook(ID_LOOK_VS_2005);
  ASSERT_TRUE(harness.Start());
  EXPECT_EQ(wnd::CurrentLookId(), static_cast<UINT>(ID_LOOK_VS_2005));
  EXPECT_TRUE(harness.frame().QueryCommand(ID_LOOK_VS_2005).checked);
  EXPECT_FALSE(harness.frame().QueryCommand(ID_LOOK_OFFICE_2007_BLUE).checked);
}

}  // namespace
}  // namespace xr::test
