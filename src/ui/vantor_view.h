// CVantorMSOfficeXlsxProjView: the workspace window. It owns every control the user works with,
// carries out the repair and save runs' window operations (JobWindow) on the user-interface
// thread, and answers the workspace commands from its buttons, the frame's menu and the keys.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "controls/est_progress_ctrl.h"
#include "controls/picture_box.h"
#include "controls/vantor_list_ctrl.h"
#include "controls/xedit_prompt.h"
#include "engine/job_window.h"
#include "engine/repair_workspace.h"
#include "framework/check_box.h"
#include "framework/gdi.h"
#include "framework/image_button.h"
#include "framework/rich_edit.h"
#include "framework/static_control.h"
#include "framework/view.h"
#include "ui/ui_thread_call.h"
#include "ui/vantor_view_layout.h"

namespace wnd {
class Document;
class Frame;
}  // namespace wnd

class CVantorMSOfficeXlsxProjView : public wnd::View, public xr::engine::JobWindow {
 public:
  // The main frame owns the run flag; the view and its workers only read and write it.
  explicit CVantorMSOfficeXlsxProjView(std::atomic<int>& runFlag);
  ~CVantorMSOfficeXlsxProjView() override;

  // Creates the window and its controls inside the frame and registers the view with it. A
  // workspace left behind by an earlier process is removed here.
  bool Create(wnd::Frame& frame, wnd::Document* document);

  // Command states that menus, toolbar and keys follow.
  bool CanSelect() const { return canSelect_; }
  bool CanRepair() const { return canRepair_; }
  bool CanSave() const { return canSave_; }

  // The workspace commands, as the buttons run them (no state is consulted).
  void SelectFiles();
  void RemoveFiles();
  void RepairFiles();
  void SaveFiles();
  void BrowseFolder();
  void StopRun();

  // For the frame's close sequence: blanks the preview so no workspace file is held open; waits
  // until a worker that is still finishing (after a stop) has returned, serving its window calls
  // meanwhile; and deletes the whole workspace.
  void ClearPreview();
  void WaitForWorker();
  bool IsWorkerActive() const;
  void DeleteWorkspace();
  const xr::engine::RepairWorkspace& Workspace() const { return workspace_; }

  // Commands of the menu, toolbar and keys: Select (32773 and the New and Open keys), Remove
  // (32774), Repair (32775), Browse (32802) and Save (32804 and the Save key), each only while
  // its state allows it.
  bool HandleCommand(UINT id) override;
  bool UpdateCommand(wnd::CommandState& state) override;
  // Mouse moves inside the view write the text of the window under the pointer into the status bar.
  bool PreTranslateMessage(MSG& message) override;

  // The controls, for the frame and for tests.
  CVantorListCtrl& SourceList() { return sourceList_; }
  wnd::RichEdit& ActivityLog() { return activityLog_; }
  wnd::RichEdit& InstructionPane() { return instructions_; }
  CPictureBox& PreviewBox() { return preview_; }
  CXEditPrompt& DestinationBox() { return destination_; }
  wnd::CheckBox& ExtractMediaBox() { return extractMedia_; }
  CEstProgressCtrl& FileProgressBar() { return fileProgress_; }
  CEstProgressCtrl& TotalProgressBar() { return totalProgress_; }
  wnd::StaticControl& FileProgressLabel() { return fileProgressLabel_; }
  wnd::StaticControl& TotalProgressLabel() { return totalProgressLabel_; }
  // A button by its control id (2, 3, 307, 4, 11, 12, 10); null for any other id.
  wnd::ImageButton* Button(UINT id);

  // JobWindow, every operation carried out on the user-interface thread.
  int SourceCount() override;
  std::string SourcePath(int index) override;
  void MarkSource(int index, xr::engine::StatusIcon icon, int repairedMark) override;
  bool IsSourceRepaired(int index) override;
  void ClearRepairedMark(int index) override;
  void AppendLog(const std::string& text, xr::engine::Colour colour) override;
  void SetLogText(const std::string& text) override;
  void SetInstructions(const std::string& text,
                       const std::vector<xr::engine::BoldRange>& bold) override;
  void ShowProgressArea(bool show) override;
  void ShowTotalProgressOnly() override;
  void ResetProgress(xr::engine::ProgressBar bar, std::uint32_t upperBound) override;
  void SetProgress(xr::engine::ProgressBar bar, std::uint32_t position) override;
  void ShowPreviewNotice(xr::engine::PreviewNotice notice) override;
  void ShowPreviewImage(const std::filesystem::path& picture) override;
  void SetCommandStates(const xr::engine::CommandStates& changes) override;
  std::string DestinationText() override;
  bool IsExtractMediaChecked() override;
  int ShowMessage(const std::string& text, unsigned flags, bool owned) override;
  std::atomic<int>& RunFlag() override { return runFlag_; }

  // Sets canSave and enables or disables the browse button, "Save...", "Extract Media.." and the
  // destination box.
  void EnableSaveControls(bool enable);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int OnCreate(CREATESTRUCTW* create) override;
  void OnDestroy() override;
  void OnSize(UINT type, int width, int height) override;
  void OnPaint() override;
  void OnDraw(HDC dc) override;
  bool OnEraseBackground(HDC dc) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;
  void OnDropFiles(HDROP drop) override;

 private:
  bool CreateControls();
  void LayOut(int width, int height);
  void LayOutAtCurrentSize();
  void ScaleListBackground(SIZE size);
  void ShowNotice(int notice);
  void OnShowPreview(int row);
  void AddSourceRow(const std::wstring& path);
  void AddSelectedFiles(const std::vector<std::wstring>& paths);
  void RemoveRow(int row);
  void ReturnToStartUpLook();
  void StartWorker(std::function<void()> work);
  void ApplyInstructions(const std::wstring& text, const std::vector<xr::engine::BoldRange>& bold);
  void ApplyLogAppend(const std::wstring& text, COLORREF colour);
  CEstProgressCtrl& Bar(xr::engine::ProgressBar bar);

  std::atomic<int>& runFlag_;
  xr::engine::RepairWorkspace workspace_;

  // Command states; written and read on the user-interface thread only.
  bool canSelect_ = true;
  bool canRepair_ = false;
  bool canSave_ = false;
  bool listFromLastRun_ = false;
  bool pictureFound_ = false;  // the preview's picture search stops once it is set

  // Drawing resources.
  wnd::Brush background_;
  wnd::FontHandle labelFont_;
  wnd::FontHandle fieldFont_;
  CHARFORMAT2W instructionFormat_{};  // bold only, once the pane exists
  CHARFORMAT2W plainInstructionFormat_{};
  CHARFORMAT2W logFormat_{};
  wnd::Bitmap headerBanner_, headerStretch_, footerStrip_, footerLeft_, listBackground_;
  HIMAGELIST statusIcons_ = nullptr;
  SIZE listBackgroundSize_{-1, -1};  // the size the list's picture was last scaled to

  // Controls in the order of creation.
  CVantorListCtrl sourceList_;
  wnd::ImageButton selectButton_, removeButton_, repairButton_, saveButton_, stopButton_,
      exitButton_;
  wnd::StaticControl destinationLabel_;
  wnd::RichEdit activityLog_;
  wnd::RichEdit instructions_;
  CXEditPrompt destination_;
  wnd::ImageButton browseButton_;
  CPictureBox preview_;
  wnd::StaticControl previewLabel_;
  wnd::CheckBox extractMedia_;
  wnd::StaticControl fileProgressLabel_, totalProgressLabel_;
  CEstProgressCtrl fileProgress_, totalProgress_;

  // The one worker thread of a run, and the channel its window calls take.
  xr::ui::UiThreadCall uiCall_;
  std::thread worker_;
  HANDLE workerDone_ = nullptr;  // manual-reset event, set when the worker's procedure returns
};
