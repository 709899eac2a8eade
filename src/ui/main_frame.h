// CMainFrame: the program's main window. It owns the run flag and the workspace view, carries the
// menu bar, toolbar, status bar and the maker's logo, answers its own commands (help file, web
// page, about, looks) and runs the close sequence that removes the repair workspace.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "framework/frame.h"
#include "framework/gdi.h"
#include "framework/static_control.h"

namespace wnd {
class Settings;
}  // namespace wnd

class CVantorMSOfficeXlsxProjDoc;
class CVantorMSOfficeXlsxProjView;

// Product settings: the product's web page and the maker's web site.
inline constexpr const wchar_t* kProductWebPage = L"https://www.tandrel.com/xlsx-repair/";
inline constexpr const wchar_t* kMakerWebSite = L"https://www.tandrel.com/";
// The help file, expected beside the executable.
inline constexpr const wchar_t* kHelpFileName = L"Tandrel for xlsx Repair.chm";

inline constexpr SIZE kMinimumFrameSize{650, 450};
inline constexpr SIZE kLogoSize{245, 50};  // the bitmap is 250 wide; the control shows it centred

class CMainFrame : public wnd::Frame {
 public:
  CMainFrame();
  ~CMainFrame() override;

  // Creates the window with its bars, applies the look stored in `settings` (null: the default
  // look, nothing stored), then the logo and the workspace view. False when the window or the
  // view cannot be created.
  bool Create(CVantorMSOfficeXlsxProjDoc& document, const wnd::Settings* settings);

  std::atomic<int>& RunFlag() { return runFlag_; }
  CVantorMSOfficeXlsxProjView* WorkspaceView() const { return workspace_.get(); }
  wnd::StaticControl& Logo() { return logo_; }

  // The full path the help command looks for: the executable's folder and the help file's name.
  static std::wstring HelpFilePath();

 protected:
  bool HandleCommand(UINT id) override;
  bool UpdateCommand(wnd::CommandState& state) override;

  void OnSize(UINT type, int width, int height) override;
  void OnClose() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;

 private:
  void CreateLogo();
  void PlaceLogo(int clientWidth);
  void OpenHelpFile();
  void OpenProductWebPage();
  void ShowAboutPlaceholder();
  void ShowLookMenu();
  bool IsPointerOverLogo() const;

  const wnd::Settings* settings_ = nullptr;
  std::atomic<int> runFlag_{0};
  HCURSOR linkCursor_ = nullptr;  // shared with the module: never destroyed
  wnd::Bitmap logoBitmap_;
  wnd::StaticControl logo_;
  // Last: the view refers to the run flag and goes before it.
  std::unique_ptr<CVantorMSOfficeXlsxProjView> workspace_;
};
