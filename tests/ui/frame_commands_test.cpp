// The frame's menus and toolbar following the command states through the phases of a run, the
// looks applied and stored, the help file, web page and logo commands, the hand cursor over the
// logo and the minimum size.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app_harness.h"
#include "framework/look.h"
#include "framework/resource_text.h"
#include "resource.h"
#include "support/gui_test.h"
#include "support/zip_builder.h"

namespace xr::test {
namespace {

// Enabled states of the commands the frame shows, read back from the toolbar and the menu.
struct States {
  std::map<UINT, bool> toolbar, menu;
};

States ReadStates(CMainFrame& frame) {
  frame.UpdateCommandStates();
  States shown;
  for (int i = 0; i < frame.toolBar().ButtonCount(); ++i) {
    const UINT id = frame.toolBar().CommandAt(i);
    if (id) shown.toolbar[id] = frame.toolBar().IsCommandEnabled(id);
  }
  for (UINT id : {ID_MENU_SELECT_FILES, ID_MENU_REMOVE_FILES, ID_MENU_REPAIR_FILES,
                  ID_MENU_BROWSE_FOLDER, ID_MENU_SAVE_FILES, ID_CMD_EXIT, ID_MENU_ABOUT,
                  ID_MENU_SOFTWARE_HELP, ID_MENU_VISIT_WEBPAGE}) {
    const UINT state = GetMenuState(frame.Menu(), id, MF_BYCOMMAND);
    if (state != static_cast<UINT>(-1)) shown.menu[id] = !(state & (MF_GRAYED | MF_DISABLED));
  }
  return shown;
}

std::string Workbook() {
  ZipBuilder zip;
  zip.Add("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>");
  zip.Add("xl/workbook.xml", "<workbook><sheets><sheet name=\"One\"/></sheets></workbook>");
  zip.Raw(std::string("PK\x01\x02", 4));
  return zip.Bytes();
}

TEST(FrameCommands, MenuAndToolbarFollowTheCommandStatesThroughARun) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();

  // select, remove, repair, browse, save; then the entries without a state.
  struct Phase {
    const char* name;
    bool select, remove, repair, browse, save;
  };
  auto expect = [&](const Phase& phase) {
    SCOPED_TRACE(phase.name);
    const States shown = ReadStates(frame);
    const std::map<UINT, bool> wanted = {
        {ID_MENU_SELECT_FILES, phase.select}, {ID_MENU_REMOVE_FILES, phase.remove},
        {ID_MENU_REPAIR_FILES, phase.repair}, {ID_MENU_BROWSE_FOLDER, phase.browse},
        {ID_MENU_SAVE_FILES, phase.save},     {ID_MENU_SOFTWARE_HELP, true},
        {ID_MENU_ABOUT, true}};
    for (const auto& [id, enabled] : wanted) {
      EXPECT_EQ(shown.toolbar.at(id), enabled) << "toolbar " << id;
      EXPECT_EQ(shown.menu.at(id), enabled) << "menu " << id;
    }
    EXPECT_TRUE(shown.menu.at(ID_MENU_VISIT_WEBPAGE));
    EXPECT_TRUE(shown.menu.at(ID_CMD_EXIT));
  };

  expect({"fresh start", true, false, false, false, false});

  const std::filesystem::path book = harness.scratch.Write("in/a.xlsx", Workbook());
  harness.selection = std::vector<std::wstring>{book.wstring()};
  harness.view().SelectFiles();
  expect({"listed", true, true, true, false, false});

  // The worker waits for this thread at its first window call, so the run is caught in its
  // repairing phase.
  harness.view().RepairFiles();
  expect({"repairing", false, false, false, false, false});
  // A disabled entry does nothing, whichever way it comes.
  harness.frame().Send(WM_COMMAND, ID_MENU_SELECT_FILES);
  EXPECT_EQ(harness.fileDialogs, 2);

  ASSERT_TRUE(PumpUntil([&] { return !harness.view().IsWorkerActive(); }, 30000));
  harness.view().WaitForWorker();
  PumpPending();
  expect({"repaired", true, true, true, true, true});
}

TEST(FrameCommands, EachLookIsAppliedMarkedAndStored) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();
  for (UINT id = ID_LOOK_FIRST; id <= ID_LOOK_LAST; ++id) {
    SCOPED_TRACE(id);
    frame.Send(WM_COMMAND, id);
    EXPECT_EQ(wnd::CurrentLookId(), id);
    EXPECT_EQ(harness.StoredLook(), static_cast<int>(id));
    for (UINT other = ID_LOOK_FIRST; other <= ID_LOOK_LAST; ++other) {
      const wnd::CommandState state = frame.QueryCommand(other);
      EXPECT_TRUE(state.radio);
      EXPECT_EQ(state.checked, other == id) << other;
    }
  }
}

TEST(FrameCommands, SoftwareHelpOpensTheFileBesideTheProgramOrSaysItIsMissing) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();

  frame.Send(WM_COMMAND, ID_MENU_SOFTWARE_HELP);
  std::vector<Shown> shown = harness.AppMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text,
            L"Tandrel xlsx Repair help file not found, please re-install the software. ");
  EXPECT_EQ(shown[0].flags, 0x40u);
  EXPECT_EQ(shown[0].owner, nullptr);
  EXPECT_TRUE(harness.opened.empty());

  // A folder of that name is no help file either.
  const std::filesystem::path help =
      harness.executable.parent_path() / "Tandrel for xlsx Repair.chm";
  std::filesystem::create_directory(help);
  frame.Send(WM_COMMAND, ID_MENU_SOFTWARE_HELP);
  EXPECT_EQ(harness.AppMessages().size(), 2u);
  EXPECT_TRUE(harness.opened.empty());
  std::filesystem::remove(help);

  harness.scratch.Write("program/Tandrel for xlsx Repair.chm", "ITSF");
  frame.Send(WM_COMMAND, ID_MENU_SOFTWARE_HELP);
  EXPECT_EQ(harness.AppMessages().size(), 2u);
  ASSERT_EQ(harness.opened.size(), 1u);
  EXPECT_EQ(harness.opened[0].owner, frame.hwnd());
  EXPECT_EQ(harness.opened[0].target, help.wstring());
}

TEST(FrameCommands, TheHelpFileIsLookedForInTheExecutablesFolderWhateverItsLength) {
  AppHarness harness;
  const std::wstring deep(600, L'd');
  harness.executable = std::filesystem::path(L"C:\\") / deep / L"TandrelXlsxRepair.exe";
  EXPECT_EQ(CMainFrame::HelpFilePath(), L"C:\\" + deep + L"\\Tandrel for xlsx Repair.chm");
  harness.executable = L"TandrelXlsxRepair.exe";
  EXPECT_EQ(CMainFrame::HelpFilePath(), L"Tandrel for xlsx Repair.chm");
}

TEST(FrameCommands, WebPageLogoAndAboutEachOpenTheirOwnThing) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();

  frame.Send(WM_COMMAND, ID_MENU_VISIT_WEBPAGE);
  frame.Send(WM_COMMAND, MAKEWPARAM(ID_OPEN_OFFICE_CALC_NC_BUTTON, STN_CLICKED),
             reinterpret_cast<LPARAM>(frame.Logo().hwnd()));
  ASSERT_EQ(harness.opened.size(), 2u);
  EXPECT_EQ(harness.opened[0].owner, nullptr);
  EXPECT_EQ(harness.opened[0].target, kProductWebPage);
  EXPECT_EQ(harness.opened[1].owner, nullptr);
  EXPECT_EQ(harness.opened[1].target, kMakerWebSite);

  frame.Send(WM_COMMAND, ID_MENU_ABOUT);
  ASSERT_EQ(harness.systemMessages.size(), 1u);
  EXPECT_NE(harness.systemMessages[0].text.find(L"Tandrel xlsx Repair v1.0"), std::wstring::npos);
  EXPECT_EQ(harness.systemMessages[0].owner, frame.hwnd());
}

TEST(FrameCommands, TheLogoKeepsToTheRightEndOfTheToolbarBand) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();
  ShowWindow(frame.hwnd(), SW_RESTORE);
  for (int width : {700, 900, 1200}) {
    SCOPED_TRACE(width);
    SetWindowPos(frame.hwnd(), nullptr, 0, 0, width, 600, SWP_NOZORDER | SWP_NOMOVE);
    const RECT client = frame.ClientRect();
    const RECT logo = frame.Logo().RectInParent();
    const RECT bar = frame.toolBar().RectInParent();
    EXPECT_EQ(logo.left, client.right - 250);
    EXPECT_EQ(logo.right - logo.left, 245);
    EXPECT_EQ(logo.bottom - logo.top, 50);
    EXPECT_GE(logo.top, bar.top);
    EXPECT_LE(logo.bottom, std::max(bar.bottom, bar.top + 50L));
  }
  EXPECT_EQ(frame.Logo().Id(), static_cast<UINT>(ID_OPEN_OFFICE_CALC_NC_BUTTON));
  EXPECT_NE(frame.Logo().Send(STM_GETIMAGE, IMAGE_BITMAP), 0);
  EXPECT_TRUE(GetWindowLongW(frame.Logo().hwnd(), GWL_STYLE) & SS_NOTIFY);
}

TEST(FrameCommands, TheHandCursorShowsOverTheLogoOnly) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  CMainFrame& frame = harness.frame();
  const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
  ASSERT_NE(hand, nullptr);
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);

  const RECT logo = frame.Logo().WindowRect();
  SetCursor(arrow);
  SetCursorPos((logo.left + logo.right) / 2, (logo.top + logo.bottom) / 2);
  EXPECT_TRUE(frame.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(frame.Logo().hwnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), hand);

  const RECT view = harness.view().WindowRect();
  SetCursor(arrow);
  SetCursorPos(view.left + 5, (view.top + view.bottom) / 2);
  frame.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(frame.hwnd()),
             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), hand);
}

TEST(FrameCommands, TheFrameCannotBeMadeSmallerThan650By450) {
  AppHarness harness;
  ASSERT_TRUE(harness.Start());
  const HWND frame = harness.frame().hwnd();
  MINMAXINFO info{};
  SendMessageW(frame, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 650);
  EXPECT_EQ(info.ptMinTrackSize.y, 450);

  ShowWindow(frame, SW_RESTORE);
  SetWindowPos(frame, nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOMOVE);
  const RECT rect = harness.frame().WindowRect();
  EXPECT_EQ(rect.right - rect.left, 650);
  EXPECT_EQ(rect.bottom - rect.top, 450);
}

}  // namespace
}  // namespace xr::test
