// The main frame: creation with its bars and logo, the frame's own commands and the close sequence.
#include "ui/main_frame.h"

#include "framework/application.h"
#include "framework/look.h"
#include "framework/resource_text.h"
#include "framework/settings.h"
#include "framework/wait_cursor.h"
#include "htmlbox/app_message.h"
#include "resource.h"
#include "ui/shell_seams.h"
#include "ui/vantor_doc.h"
#include "ui/vantor_view.h"

namespace {

constexpr const wchar_t* kProductName = L"Tandrel xlsx Repair";
constexpr const wchar_t* kCloseWhileRunning =
    L"Please stop the running process before closing the application.";
constexpr const wchar_t* kConfirmExit = L"Do you really want to exit?";
constexpr const wchar_t* kHelpFileMissing =
    L"Tandrel xlsx Repair help file not found, please re-install the software. ";

bool IsRegularFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CMainFrame::CMainFrame()
    : linkCursor_(LoadCursorW(wnd::ResourceModule(), MAKEINTRESOURCEW(IDC_LINK_CURSOR))) {}

CMainFrame::~CMainFrame() {
  // The window goes while the view, the logo and their resources still exist.
  Destroy();
}

bool CMainFrame::Create(CVantorMSOfficeXlsxProjDoc& document, const wnd::Settings* settings) {
  settings_ = settings;
  const std::wstring documentString = wnd::LoadText(IDR_MAINFRAME);
  document.SetDefaultTitle(documentString);
  const std::wstring titlePart = CVantorMSOfficeXlsxProjDoc::DocumentStringPart(documentString, 0);
  const std::wstring caption =
      titlePart.empty() ? document.Title() : document.Title() + L" - " + titlePart;
  if (!CreateFrame(caption, IDR_MAINFRAME)) return false;

  ApplyLook(settings ? wnd::LoadLookSetting(*settings) : wnd::kLookDefault, settings);

  // The toolbar keeps working without its pictures; only a missing window would be fatal, and the
  // frame can run without a toolbar as well.
  CreateToolBarFromResource(IDR_TOOLBAR, IDB_PNG_TOOLBAR);
  if (toolBar().hwnd()) toolBar().SetText(wnd::LoadText(IDS_TOOLBAR_STANDARD));
  CreateStatusBar(wnd::LoadText(IDS_IDLE_MESSAGE), 500);
  SetStatusText(kProductName);
  SetMinimumTrackSize(kMinimumFrameSize);

  CreateLogo();

  workspace_ = std::make_unique<CVantorMSOfficeXlsxProjView>(runFlag_);
  if (!workspace_->Create(*this, &document)) {
    workspace_.reset();
    SetView(nullptr);
    return false;
  }
  const RECT client = ClientRect();
  PlaceLogo(client.right);
  return true;
}

std::wstring CMainFrame::HelpFilePath() {
  std::wstring folder = xr::ui::ExecutablePath().wstring();
  const size_t separator = folder.find_last_of(L"\\/");
  folder.erase(separator == std::wstring::npos ? 0 : separator + 1);
  return folder + kHelpFileName;
}

bool CMainFrame::HandleCommand(UINT id) {
  switch (id) {
    case ID_MENU_SOFTWARE_HELP:
      OpenHelpFile();
      return true;
    case ID_MENU_VISIT_WEBPAGE:
      OpenProductWebPage();
      return true;
    case ID_MENU_ABOUT:
      ShowAboutPlaceholder();
      return true;
    default:
      break;
  }
  if (id >= wnd::kLookFirst && id <= wnd::kLookLast) {
    ApplyLook(id, settings_);
    return true;
  }
  return Frame::HandleCommand(id);
}

bool CMainFrame::UpdateCommand(wnd::CommandState& state) {
  switch (state.id) {
    case ID_MENU_ABOUT:
    case ID_MENU_SOFTWARE_HELP:
    case ID_MENU_VISIT_WEBPAGE:
      state.enabled = true;
      return true;
    default:
      return Frame::UpdateCommand(state);
  }
}

void CMainFrame::OnSize(UINT type, int width, int height) {
  Frame::OnSize(type, width, height);
  PlaceLogo(width);
}

void CMainFrame::OnClose() {
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
  if (runFlag_.load() != 0) {
    ShowAppMessage(nullptr, kCloseWhileRunning, kAppMessageOk);
    return;
  }
  if (ShowAppMessage(nullptr, kConfirmExit, kAppMessageYesNo) != IDYES) return;
  if (CVantorMSOfficeXlsxProjView* view = workspace_.get()) {
    // A worker stopped a moment ago may still be finishing its file: it must not write into a
    // deleted workspace or call a destroyed window.
    view->WaitForWorker();
    view->ClearPreview();
    view->DeleteWorkspace();
  }
  Destroy();
}

bool CMainFrame::OnCommand(UINT id, UINT code, HWND control) {
  if (control && control == logo_.hwnd()) {
    if (id == ID_OPEN_OFFICE_CALC_NC_BUTTON && code == STN_CLICKED) {
      xr::ui::OpenWithShell(nullptr, kMakerWebSite);
    }
    return true;
  }
  return Frame::OnCommand(id, code, control);
}

bool CMainFrame::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code == NM_RCLICK && header->hwndFrom == toolBar().hwnd()) {
    ShowLookMenu();
    result = TRUE;
    return true;
  }
  return Frame::OnNotify(header, result);
}

bool CMainFrame::OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) {
  if (linkCursor_ && IsPointerOverLogo()) {
    SetCursor(linkCursor_);
    return true;
  }
  return Frame::OnSetCursor(window, hitTest, mouseMessage);
}

void CMainFrame::CreateLogo() {
  logoBitmap_.Reset(LoadBitmapW(wnd::ResourceModule(), MAKEINTRESOURCEW(IDB_MAKER_LOGO)));
  const RECT rect{0, 0, kLogoSize.cx, kLogoSize.cy};
  if (!logo_.Create(hwnd(), L"", WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY, rect,
                    ID_OPEN_OFFICE_CALC_NC_BUTTON)) {
    return;
  }
  if (logoBitmap_) logo_.SetBitmap(logoBitmap_.get());
  // A bitmap control sizes itself to its picture; the logo keeps its own size.
  logo_.Move(0, 0, kLogoSize.cx, kLogoSize.cy);
  SetWindowPos(logo_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainFrame::PlaceLogo(int clientWidth) {
  if (!logo_.hwnd()) return;
  // The logo sits at the right end of the toolbar's band, centred in its height; the menu bar is
  // the window's own, so the band starts at the top of the client area.
  int top = 0;
  if (toolBar().hwnd() && toolBar().IsVisible()) {
    const RECT bar = toolBar().RectInParent();
    top = bar.top + (bar.bottom - bar.top - kLogoSize.cy) / 2;
    if (top < 0) top = 0;
  }
  logo_.Move(clientWidth - 250, top, kLogoSize.cx, kLogoSize.cy);
}

bool CMainFrame::IsPointerOverLogo() const {
  if (!logo_.hwnd() || !logo_.IsVisible()) return false;
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return false;
  const RECT area = logo_.WindowRect();
  return PtInRect(&area, pointer) != FALSE;
}

void CMainFrame::OpenHelpFile() {
  const std::wstring path = HelpFilePath();
  if (!IsRegularFile(path)) {
    ShowAppMessage(nullptr, kHelpFileMissing, kAppMessageOk);
    return;
  }
  xr::ui::OpenWithShell(hwnd(), path);
}

void CMainFrame::OpenProductWebPage() {
  wnd::WaitCursor wait;
  xr::ui::OpenWithShell(nullptr, kProductWebPage);
}

void CMainFrame::ShowAboutPlaceholder() {
  // Placeholder for the about box: a plain system box with the product's name and version.
  xr::ui::ShowSystemMessage(hwnd(), L"Tandrel xlsx Repair v1.0", L"About Tandrel xlsx Repair",
                            MB_OK | MB_ICONINFORMATION);
}

void CMainFrame::ShowLookMenu() {
  // The looks of the Office 2007 family, offered on a right click of the toolbar.
  HMENU resource = LoadMenuW(wnd::ResourceModule(), MAKEINTRESOURCEW(IDR_LOOK_MENU));
  if (!resource) return;
  if (HMENU popup = GetSubMenu(resource, 0)) {
    UpdateMenuStates(popup);
    POINT pointer{};
    GetCursorPos(&pointer);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, pointer.x, pointer.y, 0, hwnd(),
        nullptr));
    if (chosen != 0) RouteCommand(chosen);
  }
  DestroyMenu(resource);
}
