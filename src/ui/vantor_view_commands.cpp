// The workspace commands: the buttons, the menu entries and keys that do the same, their states,
// Stop with its question, and the repair, save and browse commands.
#include "ui/vantor_view.h"

#include "engine/repair_job.h"
#include "framework/frame.h"
#include "htmlbox/app_message.h"
#include "platform/text.h"
#include "resource.h"
#include "save/browse_destination.h"
#include "save/start_save.h"
#include "ui/pickers.h"

bool CVantorMSOfficeXlsxProjView::OnCommand(UINT id, UINT code, HWND control) {
  if (!control || code != BN_CLICKED) return false;
  // An enabled button runs its handler without looking at the command states.
  switch (id) {
    case ID_VANTOR_BTN_SELECT_FILES: SelectFiles(); return true;
    case ID_VANTOR_BTN_REMOVE_FILES: RemoveFiles(); return true;
    case ID_VANTOR_BTN_RECOVER_FILES: RepairFiles(); return true;
    case ID_VANTOR_BTN_SAVE_FILES: SaveFiles(); return true;
    case ID_VANTOR_BTN_BROWSE: BrowseFolder(); return true;
    case ID_VANTOR_BTN_STOP: StopRun(); return true;
    case ID_VANTOR_BTN_EXIT:
      // The frame's close sequence, exactly as its close box runs it.
      if (frame()) frame()->Send(WM_CLOSE);
      return true;
    default: return false;
  }
}

bool CVantorMSOfficeXlsxProjView::HandleCommand(UINT id) {
  switch (id) {
    case ID_MENU_SELECT_FILES:
    case ID_CMD_NEW:
    case ID_CMD_OPEN:
      if (canSelect_) SelectFiles();
      return true;
    case ID_MENU_REMOVE_FILES:
      if (canRepair_) RemoveFiles();
      return true;
    case ID_MENU_REPAIR_FILES:
      if (canRepair_) RepairFiles();
      return true;
    case ID_MENU_BROWSE_FOLDER:
      if (canSave_) BrowseFolder();
      return true;
    case ID_MENU_SAVE_FILES:
    case ID_CMD_SAVE:
      if (canSave_) SaveFiles();
      return true;
    default: return false;
  }
}

bool CVantorMSOfficeXlsxProjView::UpdateCommand(wnd::CommandState& state) {
  switch (state.id) {
    case ID_MENU_SELECT_FILES:
    case ID_CMD_NEW:
    case ID_CMD_OPEN: state.enabled = canSelect_; return true;
    case ID_MENU_REMOVE_FILES:
    case ID_MENU_REPAIR_FILES: state.enabled = canRepair_; return true;
    case ID_MENU_BROWSE_FOLDER:
    case ID_MENU_SAVE_FILES:
    case ID_CMD_SAVE: state.enabled = canSave_; return true;
    default: return false;
  }
}

void CVantorMSOfficeXlsxProjView::EnableSaveControls(bool enable) {
  canSave_ = enable;
  browseButton_.Enable(enable);
  saveButton_.Enable(enable);
  extractMedia_.Enable(enable);
  destination_.Enable(enable);
}

void CVantorMSOfficeXlsxProjView::RepairFiles() {
  // Reached from inside a worker's call (a message box it shows): that worker waits for this
  // thread, so its end cannot be awaited here.
  if (uiCall_.IsServing()) return;
  // The last run enables the commands a moment before it clears the run flag, and a stopped run
  // goes on with its current file: the worker is awaited, or its end would clear the new run's
  // flag. While a run is in full swing the commands that lead here are disabled.
  WaitForWorker();
  listFromLastRun_ = true;
  xr::engine::StartRepair(*this, workspace_, [this](const xr::engine::JobContext& context) {
    StartWorker([context] { xr::engine::RepairJob(context); });
  });
}

void CVantorMSOfficeXlsxProjView::SaveFiles() {
  // While a job runs StartSave refuses with its message. A stopped worker that is still
  // finishing is waited for, so the save never reads a package that is being written. From
  // inside a worker's call nothing can be waited for, as with Repair.
  if (runFlag_.load() == 0) {
    if (uiCall_.IsServing()) return;
    WaitForWorker();
  }
  xr::save::StartSave(*this, workspace_, [this](std::function<void()> work) {
    StartWorker(std::move(work));
    return true;
  });
}

void CVantorMSOfficeXlsxProjView::BrowseFolder() {
  const std::optional<std::wstring> picked = xr::ui::PickFolder(hwnd());
  if (!picked) return;
  const std::optional<std::string> folder =
      xr::save::PickedDestination(xr::platform::Narrow(*picked));
  if (folder) destination_.SetEditText(xr::platform::Widen(*folder));
}

void CVantorMSOfficeXlsxProjView::StopRun() {
  if (ShowAppMessage(nullptr, L"Are you sure to stop the running process?", kAppMessageYesNo) != IDYES) {
    return;
  }
  stopButton_.Enable(false);  // stays visible until the job's completion hides it
  runFlag_.store(0);
}
