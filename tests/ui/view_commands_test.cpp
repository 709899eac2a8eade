// The command states through the phases of a repair and a save, Stop with its question, the
// save gate, the menu entries and keys, browsing and Exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view_fixture.h"

namespace xr::test {
namespace {

class ViewCommands : public ViewTestBase<ProbedView> {
 protected:
  void SetUp() override {
    ViewTestBase<ProbedView>::SetUp();
    std::filesystem::create_directories(scratch.path() / "in");
    std::filesystem::create_directories(scratch.path() / "out");
    for (const char* name : {"a.xlsx", "b.xlsx", "c.xlsx"}) {
      const auto path = scratch.Write(std::string("in/") + name, DamagedWorkbook());
      files.push_back(path.wstring());
    }
  }

  // Buttons, fields, run flag and the menu entries, compactly: E enabled, D disabled, S Stop
  // shown and enabled, V Stop shown but disabled, H hidden; the menu digits are the states of
  // Select (32773 and the New and Open keys), Remove and Repair (32774, 32775), and Browse and
  // Save (32802, 32804 and the Save key); x when entries of one group disagree.
  std::string States() {
    auto ed = [](wnd::Window* w) { return IsWindowEnabled(w->hwnd()) ? "E" : "D"; };
    auto group = [&](std::initializer_list<UINT> ids) {
      int enabled = 0;
      for (UINT id : ids) enabled += frame.QueryCommand(id).enabled ? 1 : 0;
      return enabled == 0 ? "0" : enabled == static_cast<int>(ids.size()) ? "1" : "x";
    };
    wnd::Window* stop = view->Button(ID_VANTOR_BTN_STOP);
    const std::string stopState =
        !IsWindowVisible(stop->hwnd()) ? "H" : IsWindowEnabled(stop->hwnd()) ? "S" : "V";
    return std::string("select:") + ed(view->Button(ID_VANTOR_BTN_SELECT_FILES)) + "/" +
           (view->CanSelect() ? "1" : "0") + " repair:" +
           ed(view->Button(ID_VANTOR_BTN_REMOVE_FILES)) + ed(view->Button(ID_VANTOR_BTN_RECOVER_FILES)) +
           "/" + (view->CanRepair() ? "1" : "0") + " save:" + ed(view->Button(ID_VANTOR_BTN_BROWSE)) +
           ed(view->Button(ID_VANTOR_BTN_SAVE_FILES)) + ed(&view->ExtractMediaBox()) +
           ed(&view->DestinationBox()) + "/" + (view->CanSave() ? "1" : "0") + " stop:" + stopState +
           " run:" + std::to_string(runFlag.load()) + " menu:" +
           group({ID_MENU_SELECT_FILES, ID_CMD_NEW, ID_CMD_OPEN}) +
           group({ID_MENU_REMOVE_FILES, ID_MENU_REPAIR_FILES}) +
           group({ID_MENU_BROWSE_FOLDER, ID_MENU_SAVE_FILES, ID_CMD_SAVE});
  }

  void ChooseDestination() {
    folder = (scratch.path() / "out").wstring();
    view->BrowseFolder();
  }

  // Ctrl and a letter through the program's accelerator table, as the message loop offers keys.
  void PressCtrl(char letter) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE pressed[256];
    std::copy(std::begin(keys), std::end(keys), pressed);
    pressed[VK_CONTROL] = 0x80;
    SetKeyboardState(pressed);
    MSG key{view->SourceList().hwnd(), WM_KEYDOWN, static_cast<WPARAM>(letter), 1};
    frame.PreTranslateMessage(key);
    SetKeyboardState(keys);
  }

  std::vector<std::wstring> files;
};

TEST_F(ViewCommands, StatesFollowThePhasesOfRepairAndSave) {
  std::vector<std::pair<std::string, std::string>> seen;  // phase, states
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call == "ShowProgressArea" && detail == "show") seen.push_back({"Repairing", States()});
    if (call == "ShowTotalProgressOnly") seen.push_back({"Saving", States()});
  };
  seen.push_back({"Empty", States()});
  Select(files);
  seen.push_back({"Listed", States()});
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  seen.push_back({"Repaired", States()});
  ChooseDestination();
  ClickButton(ID_VANTOR_BTN_SAVE_FILES);
  ASSERT_TRUE(WaitIdle());
  seen.push_back({"Saved", States()});
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  seen.push_back({"Repaired", States()});
  Select({files[0]});
  seen.push_back({"Listed after a run", States()});

  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Empty", "select:E/1 repair:DD/0 save:DDDD/0 stop:H run:0 menu:100"},
      {"Listed", "select:E/1 repair:EE/1 save:DDDD/0 stop:H run:0 menu:110"},
      {"Repairing", "select:D/0 repair:DD/0 save:DDDD/0 stop:S run:1 menu:000"},
      {"Repaired", "select:E/1 repair:EE/1 save:EEEE/1 stop:H run:0 menu:111"},
      {"Saving", "select:D/0 repair:DD/0 save:DDDD/0 stop:S run:1 menu:000"},
      {"Saved", "select:E/1 repair:EE/1 save:EEEE/1 stop:H run:0 menu:111"},
      // A second repair leaves the save controls as the first run left them.
      {"Repairing", "select:D/0 repair:DD/0 save:EEEE/1 stop:S run:1 menu:001"},
      {"Repaired", "select:E/1 repair:EE/1 save:EEEE/1 stop:H run:0 menu:111"},
      // A selection after a run keeps them too.
      {"Listed after a run", "select:E/1 repair:EE/1 save:EEEE/1 stop:H run:0 menu:111"},
  };
  EXPECT_EQ(seen, expected);
}

TEST_F(ViewCommands, StopAnsweredNoLetsTheRunGoOn) {
  Select(files);
  answers = {IDNO};
  std::string duringRun;
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call != "MarkSource" || detail != "0") return;
    ClickButton(ID_VANTOR_BTN_STOP);  // from the worker: carried out on the UI thread at once
    duringRun = States();
  };
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, L"Are you sure to stop the running process?");
  EXPECT_EQ(Messages()[0].flags, 0x24u);
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_EQ(duringRun, "select:D/0 repair:DD/0 save:DDDD/0 stop:S run:1 menu:000");
  for (const Row& row : Rows()) EXPECT_EQ(row.icon, 1) << row;
}

TEST_F(ViewCommands, StopAnsweredYesEndsTheRunAfterTheCurrentFile) {
  Select(files);
  answers = {IDYES};
  std::string afterYes;
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call != "MarkSource" || detail != "0" || !afterYes.empty()) return;
    ClickButton(ID_VANTOR_BTN_STOP);
    afterYes = States();
  };
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(afterYes, "select:D/0 repair:DD/0 save:DDDD/0 stop:V run:0 menu:000")
      << "Stop is disabled at once and stays visible";
  EXPECT_EQ(States(), "select:E/1 repair:EE/1 save:EEEE/1 stop:H run:0 menu:111");
  const std::vector<Row> expected = {{files[0], 1, 1}, {files[1], 0, 0}, {files[2], 0, 0}};
  EXPECT_EQ(Rows(), expected);
  const std::vector<LogLine> log = LogLines();
  const std::wstring b = files[1];
  EXPECT_NE(std::find(log.begin(), log.end(),
                      LogLine{b + L" file is not extracting as process has been stop by the user.... \r",
                              kLogBlack}),
            log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), LogLine{b + L" not Repaired....\r", kLogRed}), log.end());
}

// The run's end enables the commands a moment before it clears the run flag. A repair started in
// that moment must not have its fresh flag cleared by the old run.
TEST_F(ViewCommands, ARepairStartedAsTheLastRunEndsWaitsForIt) {
  Select(files);
  int runs = 0;
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call != "SetCommandStates" || detail != "repair on" || ++runs != 1) return;
    view->Post(WM_COMMAND, MAKEWPARAM(ID_VANTOR_BTN_RECOVER_FILES, BN_CLICKED),
               reinterpret_cast<LPARAM>(view->Button(ID_VANTOR_BTN_RECOVER_FILES)->hwnd()));
    Sleep(500);  // the user-interface thread takes the click while this run is still ending
  };
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(PumpUntil([&] { return runs == 2 && !view->IsWorkerActive(); }, 30000));
  view->WaitForWorker();
  for (const Row& row : Rows()) EXPECT_EQ(row.icon, 1) << row;
  for (const LogLine& line : LogLines()) EXPECT_NE(line.colour, kLogRed) << line;
  EXPECT_EQ(runFlag.load(), 0);
}

TEST_F(ViewCommands, SaveIsRefusedWhileARepairRuns) {
  Select(files);
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  ChooseDestination();
  bool clicked = false;
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call != "ShowProgressArea" || detail != "show" || clicked) return;
    clicked = true;
    // The second repair leaves "Save..." enabled; pressing it meets the save gate.
    ClickButton(ID_VANTOR_BTN_SAVE_FILES);
  };
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  ASSERT_TRUE(clicked);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, L"Please stop the running process before saving the file(s).");
  EXPECT_EQ(Messages()[0].flags, 0x40u);
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path() / "out")) << "no save ran";
}

TEST_F(ViewCommands, KeysAndMenuEntriesRunOnlyWhileTheirStateAllows) {
  Select({files[0]});
  ASSERT_EQ(dialogsShown, 1);
  view->SourceList().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);

  // Ctrl+O opens the file dialog, whatever its menu label says; the selected row stays.
  selection.reset();
  PressCtrl('O');
  EXPECT_EQ(dialogsShown, 2);
  PressCtrl('N');
  EXPECT_EQ(dialogsShown, 3);
  EXPECT_EQ(Rows().size(), 1u);

  // Saving is not available yet: Ctrl+S and the menu entries do nothing at all.
  ChooseDestination();
  PressCtrl('S');
  frame.Send(WM_COMMAND, MAKEWPARAM(ID_MENU_SAVE_FILES, 0), 0);
  EXPECT_FALSE(view->IsWorkerActive());
  EXPECT_TRUE(Messages().empty());

  frame.Send(WM_COMMAND, MAKEWPARAM(ID_MENU_REPAIR_FILES, 0), 0);
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Rows()[0].icon, 1) << "the menu's Repair File(s) ran the repair";

  PressCtrl('S');
  ASSERT_TRUE(WaitIdle());
  EXPECT_TRUE(std::filesystem::exists(scratch.path() / "out" / "TDRREP_a.xlsx"));

  // While a job runs Select is unavailable from the keys.
  view->onCall = [&](const std::string& call, const std::string& detail) {
    if (call == "ShowProgressArea" && detail == "show") {
      const int before = dialogsShown;
      frame.Send(WM_COMMAND, MAKEWPARAM(ID_CMD_OPEN, 1), 0);
      EXPECT_EQ(dialogsShown, before);
    }
  };
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
}

TEST_F(ViewCommands, BrowseTakesOnlyAnExistingFolder) {
  view->EnableSaveControls(true);
  const std::wstring out = (scratch.path() / "out").wstring();
  struct Case {
    std::optional<std::wstring> picked;
    std::string destination;
  };
  const Case cases[] = {
      {std::nullopt, ""},                                   // cancelled: the prompt stays
      {(scratch.path() / "missing").wstring(), ""},         // not a folder
      {L"  " + out + L"\t", platform::Narrow(out)},         // trimmed
      {std::nullopt, platform::Narrow(out)},                // cancelled: the path stays
      {(scratch.path() / "in").wstring() + L"\\nope", platform::Narrow(out)},
  };
  for (const Case& c : cases) {
    folder = c.picked;
    view->BrowseFolder();
    EXPECT_EQ(view->DestinationText(), c.destination);
  }
  EXPECT_FALSE(view->DestinationBox().IsPromptMode());
}

TEST_F(ViewCommands, ExitAsksTheFrameToClose) {
  ClickButton(ID_VANTOR_BTN_EXIT);
  EXPECT_FALSE(IsWindow(frame.hwnd())) << "a plain frame closes at once";
}

}  // namespace
}  // namespace xr::test
