// The main window of a single-document program: menu bar, toolbar, status bar and one view,
// with accelerators, command routing (view, document, frame, application), the idle update of
// command states, and the choice of looks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/command.h"
#include "framework/gdi.h"
#include "framework/status_bar.h"
#include "framework/tool_bar.h"
#include "framework/window.h"

namespace wnd {

class Settings;
class View;

inline constexpr UINT kCommandExit = 57665;  // the exit command of the File menu

class Frame : public Window, public CommandTarget {
 public:
  Frame() = default;
  ~Frame() override;

  // A top-level frame with the menu, accelerator table and icon of `resourceId` when the module
  // has them.
  bool CreateFrame(std::wstring_view title, UINT resourceId,
                   DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, DWORD exStyle = 0);
  bool CreateToolBar(UINT pngId, int imageWidth, int imageHeight,
                     const std::vector<UINT>& commands);
  // Buttons and picture size from a toolbar resource, pictures from a PNG strip.
  bool CreateToolBarFromResource(UINT toolbarId, UINT pngId);
  bool CreateStatusBar(std::wstring idleText, int firstPaneWidth = 500);

  void SetView(View* view);
  View* view() const { return view_; }
  ToolBar& toolBar() { return toolBar_; }
  StatusBar& statusBar() { return statusBar_; }
  HMENU Menu() const { return menu_; }
  HACCEL Accelerators() const { return accelerators_; }

  // Text of the status bar's first pane.
  void SetStatusText(std::wstring_view text);
  void SetMinimumTrackSize(SIZE size) { minimumTrack_ = size; }
  void RecalcLayout();

  // Carries out a command through the view, its document, the frame and the application, and
  // tells whether one of them took it.
  bool RouteCommand(UINT id);
  CommandState QueryCommand(UINT id);
  // The idle pass: toolbar buttons, menu entries and the lock indicators.
  void UpdateCommandStates();
  void UpdateMenuStates(HMENU menu);

  // Selects a look: wait cursor, new colours, everything redrawn, the id stored in `settings`.
  void ApplyLook(UINT id, const Settings* settings);

  bool PreTranslateMessage(MSG& message) override;

 protected:
  // The frame's own commands: the looks 210 to 218 and Exit.
  bool HandleCommand(UINT id) override;
  bool UpdateCommand(CommandState& state) override;

  void OnSize(UINT type, int width, int height) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu) override;
  void OnMenuSelect(UINT item, UINT flags, HMENU menu) override;
  void OnExitMenuLoop(bool popup) override;
  void OnGetMinMaxInfo(MINMAXINFO* info) override;
  void OnDestroy() override;
  bool OnEraseBackground(HDC dc) override;

 private:
  void ApplyMenuLook();

  ToolBar toolBar_;
  StatusBar statusBar_;
  View* view_ = nullptr;
  HMENU menu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  SIZE minimumTrack_{0, 0};
  Brush menuBrush_;
  std::wstring tipBuffer_;  // the toolbar's tooltip reads its text from here
};

// The application's main frame, or null.
Frame* MainFrame();
void SetMainFrame(Frame* frame);

}  // namespace wnd
