// The application's start-up and end.
#include "ui/vantor_app.h"

#include <ole2.h>

#include "framework/resource_text.h"
#include "resource.h"
#include "ui/main_frame.h"
#include "ui/shell_seams.h"
#include "ui/single_instance.h"
#include "ui/vantor_doc.h"
#include "ui/vantor_view.h"

CVantorMSOfficeXlsxProjApp::CVantorMSOfficeXlsxProjApp(const xr::ui::SingleInstanceLock& lock,
                                                       std::wstring registryKey)
    : lock_(lock), registryKey_(std::move(registryKey)) {}

CVantorMSOfficeXlsxProjApp::~CVantorMSOfficeXlsxProjApp() {
  // The frame holds the view, which points at the document: windows first.
  frame_.reset();
  document_.reset();
  if (componentServices_) OleUninitialize();
}

CVantorMSOfficeXlsxProjView* CVantorMSOfficeXlsxProjApp::View() const {
  return frame_ ? frame_->WorkspaceView() : nullptr;
}

HRESULT CVantorMSOfficeXlsxProjApp::StartComponentServices() { return OleInitialize(nullptr); }

bool CVantorMSOfficeXlsxProjApp::InitInstance() {
  // Common controls of every class and the image library.
  if (!Application::InitInstance()) return false;

  if (FAILED(StartComponentServices())) {
    xr::ui::ShowSystemMessage(nullptr, wnd::LoadText(IDS_OLE_INIT_FAILED),
                              wnd::LoadText(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  componentServices_ = true;

  SetRegistryKey(registryKey_, wnd::LoadText(IDS_APP_TITLE));

  if (lock_.AnotherInstanceRuns()) {
    xr::ui::ShowSystemMessage(nullptr, kAnotherInstanceText, L"Tandrel xlsx Repair",
                              MB_OK | MB_ICONINFORMATION);
    return false;
  }

  document_ = std::make_unique<CVantorMSOfficeXlsxProjDoc>();
  frame_ = std::make_unique<CMainFrame>();
  if (!frame_->Create(*document_, Profile())) {
    frame_.reset();
    return false;
  }
  SetMainFrame(frame_.get());

  ShowWindow(frame_->hwnd(), SW_SHOWMAXIMIZED);
  UpdateWindow(frame_->hwnd());

  CVantorMSOfficeXlsxProjView* view = View();
  if (view && view->CanSelect()) view->SelectFiles();
  return true;
}

int CVantorMSOfficeXlsxProjApp::ExitInstance() {
  frame_.reset();
  document_.reset();
  if (componentServices_) {
    OleUninitialize();
    componentServices_ = false;
  }
  return Application::ExitInstance();
}
