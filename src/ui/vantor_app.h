// CVantorMSOfficeXlsxProjApp: the application object. Its start-up builds the document, the main
// frame and the workspace view in a fixed order, refuses to run beside another copy, shows the
// frame maximized and opens the file dialog at once.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/application.h"

class CMainFrame;
class CVantorMSOfficeXlsxProjDoc;
class CVantorMSOfficeXlsxProjView;

namespace xr::ui {
class SingleInstanceLock;
}  // namespace xr::ui

// The registry key under which the per-user settings (among them "ApplicationLook") are kept.
inline constexpr const wchar_t* kRegistryKeyName = L"TandrelxlsxRepairv2.0";
inline constexpr const wchar_t* kAnotherInstanceText =
    L"Another instance of application is already running";

class CVantorMSOfficeXlsxProjApp : public wnd::Application {
 public:
  // `lock` is the single-instance lock, made before the application object; `registryKey` names
  // the settings' key (tests give one of their own).
  explicit CVantorMSOfficeXlsxProjApp(const xr::ui::SingleInstanceLock& lock,
                                      std::wstring registryKey = kRegistryKeyName);
  ~CVantorMSOfficeXlsxProjApp() override;

  bool InitInstance() override;
  int ExitInstance() override;

  CMainFrame* Frame() const { return frame_.get(); }
  CVantorMSOfficeXlsxProjDoc* Document() const { return document_.get(); }
  CVantorMSOfficeXlsxProjView* View() const;
  // The toolbar's high-colour pictures are always used.
  bool HighColourToolbar() const { return highColourToolbar_; }

 protected:
  // Starts the component services (OLE) for this thread; a failure ends the start-up.
  virtual HRESULT StartComponentServices();

 private:
  const xr::ui::SingleInstanceLock& lock_;
  std::wstring registryKey_;
  bool highColourToolbar_ = true;
  bool componentServices_ = false;
  std::unique_ptr<CVantorMSOfficeXlsxProjDoc> document_;
  std::unique_ptr<CMainFrame> frame_;
};
