// The main frame: bars, layout, command routing and states, prompts and looks.
#include "framework/frame.h"

#include "framework/application.h"
#include "framework/document.h"
#include "framework/look.h"
#include "framework/resource_text.h"
#include "framework/settings.h"
#include "framework/toolbar_resource.h"
#include "framework/view.h"
#include "framework/wait_cursor.h"

namespace wnd {
namespace {

Frame* g_mainFrame = nullptr;

}  // namespace

Frame* MainFrame() { return g_mainFrame; }
void SetMainFrame(Frame* frame) { g_mainFrame = frame; }

Frame::~Frame() {
  if (g_mainFrame == this) g_mainFrame = nullptr;
  // The window goes while the bars and the menu's brush still exist.
  Destroy();
}

bool Frame::CreateFrame(std::wstring_view title, UINT resourceId, DWORD style, DWORD exStyle) {
  constexpr const wchar_t* kClass = L"wnd.Frame";
  if (!RegisterClass(kClass, CS_DBLCLKS)) return false;
  const HMODULE module = ResourceModule();
  menu_ = LoadMenuW(module, MAKEINTRESOURCEW(resourceId));
  accelerators_ = LoadAcceleratorsW(module, MAKEINTRESOURCEW(resourceId));
  const RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};  // place and size chosen by the system
  if (!Create(nullptr, title, style, exStyle, rect, 0, kClass, menu_)) {
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    return false;
  }
  const auto big =
      static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  const auto small = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
  if (big) Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (small) Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  ApplyMenuLook();
  return true;
}

bool Frame::CreateToolBar(UINT pngId, int imageWidth, int imageHeight,
                          const std::vector<UINT>& commands) {
  if (!toolBar_.hwnd() && !toolBar_.Create(hwnd())) return false;
  // A missing or broken strip leaves the buttons without pictures but keeps them usable.
  const bool images = toolBar_.LoadImages(pngId, imageWidth, imageHeight, ResourceModule());
  toolBar_.SetButtons(commands);
  RecalcLayout();
  return images;
}

bool Frame::CreateToolBarFromResource(UINT toolbarId, UINT pngId) {
  const auto layout = LoadToolBarResource(toolbarId);
  if (!layout) return false;
  return CreateToolBar(pngId, layout->imageWidth, layout->imageHeight, layout->commands);
}

bool Frame::CreateStatusBar(std::wstring idleText, int firstPaneWidth) {
  if (!statusBar_.hwnd() && !statusBar_.Create(hwnd())) return false;
  statusBar_.SetFirstPaneWidth(firstPaneWidth);
  statusBar_.SetIdleText(std::move(idleText));
  RecalcLayout();
  return true;
}

void Frame::SetView(View* view) {
  view_ = view;
  RecalcLayout();
}

void Frame::SetStatusText(std::wstring_view text) { statusBar_.SetPaneText(0, text); }

void Frame::RecalcLayout() {
  if (!hwnd()) return;
  const RECT client = ClientRect();
  int top = 0;
  int bottom = client.bottom;
  if (toolBar_.hwnd() && toolBar_.IsVisible()) top = toolBar_.AutoSize();
  if (statusBar_.hwnd() && statusBar_.IsVisible()) {
    // The status bar places itself at the foot of its parent when it is told of a new size.
    statusBar_.Send(WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    bottom -= Height(statusBar_.WindowRect());
  }
  if (view_ && view_->hwnd()) view_->Move(0, top, client.right, bottom > top ? bottom - top : 0);
}

bool Frame::RouteCommand(UINT id) {
  if (view_) {
    if (view_->HandleCommand(id)) return true;
    if (view_->document() && view_->document()->HandleCommand(id)) return true;
  }
  if (HandleCommand(id)) return true;
  Application* application = Application::Current();
  return application && application->HandleCommand(id);
}

CommandState Frame::QueryCommand(UINT id) {
  CommandState state;
  state.id = id;
  if (view_) {
    if (view_->UpdateCommand(state)) return state;
    if (view_->document() && view_->document()->UpdateCommand(state)) return state;
  }
  if (UpdateCommand(state)) return state;
  if (Application* application = Application::Current()) application->UpdateCommand(state);
  return state;
}

void Frame::UpdateCommandStates() {
  if (toolBar_.hwnd()) {
    for (int i = 0, count = toolBar_.ButtonCount(); i < count; ++i) {
      const UINT id = toolBar_.CommandAt(i);
      if (id == 0) continue;
      const CommandState state = QueryCommand(id);
      toolBar_.SetCommandState(id, state.enabled, state.checked);
    }
  }
  if (menu_) UpdateMenuStates(menu_);
  if (statusBar_.hwnd()) statusBar_.UpdateIndicators();
}

void Frame::UpdateMenuStates(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW item{sizeof item};
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) continue;
    if (item.hSubMenu) {
      UpdateMenuStates(item.hSubMenu);
      continue;
    }
    if ((item.fType & MFT_SEPARATOR) || item.wID == 0) continue;
    const CommandState state = QueryCommand(item.wID);
    UINT type = item.fType & ~MFT_RADIOCHECK;
    if (state.radio) type |= MFT_RADIOCHECK;
    UINT flags = item.fState & ~(MFS_DISABLED | MFS_CHECKED);
    if (!state.enabled) flags |= MFS_DISABLED;
    if (state.checked) flags |= MFS_CHECKED;
    if (type == item.fType && flags == item.fState) continue;
    MENUITEMINFOW change{sizeof change};
    change.fMask = MIIM_FTYPE | MIIM_STATE;
    change.fType = type;
    change.fState = flags;
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &change);
  }
}

void Frame::ApplyLook(UINT id, const Settings* settings) {
  WaitCursor wait;
  SelectLook(id);
  ApplyMenuLook();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  if (settings) SaveLookSetting(*settings, id);
}

void Frame::ApplyMenuLook() {
  if (!menu_) return;
  // The system writes menu entries in its own text colour, so a dark band colour would hide them:
  // dark looks leave the menu bar in the system's colour.
  const COLORREF band = CurrentLook().band.top;
  const int luminance =
      (GetRValue(band) * 299 + GetGValue(band) * 587 + GetBValue(band) * 114) / 1000;
  Brush brush(luminance >= 160 ? CreateSolidBrush(band) : nullptr);
  MENUINFO info{sizeof info};
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = brush.get();
  if (SetMenuInfo(menu_, &info)) {
    menuBrush_ = std::move(brush);  // the old brush goes only after the menu has the new one
    DrawMenuBar(hwnd());
  }
}

bool Frame::PreTranslateMessage(MSG& message) {
  if (!accelerators_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  return TranslateAcceleratorW(hwnd(), accelerators_, &message) != 0;
}

bool Frame::HandleCommand(UINT id) {
  if (id >= kLookFirst && id <= kLookLast) {
    Application* application = Application::Current();
    ApplyLook(id, application ? application->Profile() : nullptr);
    return true;
  }
  if (id == kCommandExit) {
    Send(WM_CLOSE);
    return true;
  }
  return false;
}

bool Frame::UpdateCommand(CommandState& state) {
  if (state.id >= kLookFirst && state.id <= kLookLast) {
    state.radio = true;
    state.checked = state.id == CurrentLookId();
    return true;
  }
  return false;
}

void Frame::OnSize(UINT type, int width, int height) {
  Window::OnSize(type, width, height);
  RecalcLayout();
}

bool Frame::OnCommand(UINT id, UINT, HWND control) {
  // Menu entries (code 0), accelerators (code 1) and toolbar buttons; other controls talk to
  // their own parents.
  const bool fromBar = control && control == toolBar_.hwnd();
  if (control && !fromBar) return false;
  // A command whose state is disabled does nothing, whichever way it came.
  if (!QueryCommand(id).enabled) return true;
  return RouteCommand(id);
}

bool Frame::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (info->uFlags & TTF_IDISHWND) return false;
    tipBuffer_ = CommandTip(static_cast<UINT>(header->idFrom));
    info->lpszText = tipBuffer_.data();
    info->hinst = nullptr;
    result = 0;
    return true;
  }
  if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == toolBar_.hwnd()) {
    const auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
    if (hot->dwFlags & HICF_LEAVING) {
      statusBar_.ShowIdleText();
    } else {
      const std::wstring prompt = CommandPrompt(static_cast<UINT>(hot->idNew));
      SetStatusText(prompt.empty() ? statusBar_.IdleText() : prompt);
    }
    result = 0;
    return true;
  }
  return false;
}

void Frame::OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu) {
  if (!systemMenu) UpdateMenuStates(menu);
  Window::OnInitMenuPopup(menu, index, systemMenu);
}

void Frame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {  // the menu closed
    statusBar_.ShowIdleText();
    return;
  }
  if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) {
    statusBar_.ShowIdleText();
    return;
  }
  const std::wstring prompt = CommandPrompt(item);
  SetStatusText(prompt.empty() ? statusBar_.IdleText() : prompt);
}

void Frame::OnExitMenuLoop(bool popup) {
  statusBar_.ShowIdleText();
  Window::OnExitMenuLoop(popup);
}

void Frame::OnGetMinMaxInfo(MINMAXINFO* info) {
  Window::OnGetMinMaxInfo(info);
  if (minimumTrack_.cx > 0) info->ptMinTrackSize.x = minimumTrack_.cx;
  if (minimumTrack_.cy > 0) info->ptMinTrackSize.y = minimumTrack_.cy;
}

void Frame::OnDestroy() {
  if (g_mainFrame == this) {
    g_mainFrame = nullptr;
    PostQuitMessage(0);
  }
  Window::OnDestroy();
}

bool Frame::OnEraseBackground(HDC dc) {
  if (view_) return true;  // the view covers everything between the bars
  RECT client = ClientRect();
  FillSolid(dc, client, CurrentLook().band.bottom);
  return true;
}

}  // namespace wnd
