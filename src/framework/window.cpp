// Binding of window objects to their windows, and the dispatch of messages to handlers.
#include "framework/window.h"

#include <commctrl.h>

#include <vector>

namespace wnd {
namespace {

constexpr const wchar_t* kObjectProperty = L"wnd.Window.object";
constexpr UINT_PTR kSubclassId = 0x574E44;  // "WND"

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

POINT PointFrom(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

Window::~Window() {
  // Messages sent while an owned window goes reach only this base's handlers: the derived parts
  // of the object are already gone.
  if (hwnd_ && owns_) DestroyWindow(hwnd_);
  // Still bound: an attached window, or one that could not be destroyed (another thread's).
  if (hwnd_) {
    if (binding_ == Binding::Subclass) {
      Detach();
    } else {
      Unbind();
    }
  }
}

bool Window::RegisterClass(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon,
                           HICON smallIcon) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(ModuleInstance(), className, &existing)) return true;
  WNDCLASSEXW wc{sizeof wc};
  wc.style = classStyle;
  wc.lpfnWndProc = ClassProc;
  wc.hInstance = ModuleInstance();
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return RegisterClassExW(&wc) != 0;
}

bool Window::Create(HWND parent, std::wstring_view text, DWORD style, DWORD exStyle,
                    const RECT& rect, UINT id, const wchar_t* className, HMENU menu) {
  if (hwnd_) return false;
  if (!className) {
    className = kDefaultClass;
    if (!RegisterClass(className, CS_DBLCLKS)) return false;
  }
  const std::wstring title(text);
  if (style & WS_CHILD) menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
  // A left edge of CW_USEDEFAULT leaves place and size to the system.
  const bool systemPlaces = rect.left == CW_USEDEFAULT;
  const int width = systemPlaces ? CW_USEDEFAULT : rect.right - rect.left;
  const int height = systemPlaces ? CW_USEDEFAULT : rect.bottom - rect.top;
  // ClassProc binds the object at WM_NCCREATE from the creation parameter.
  const HWND created =
      CreateWindowExW(exStyle, className, title.c_str(), style, rect.left, rect.top, width, height,
                      parent, menu, ModuleInstance(), this);
  if (!created) return false;
  if (hwnd_ != created) {
    // A class of someone else's procedure: the window exists but this object cannot serve it.
    DestroyWindow(created);
    return false;
  }
  owns_ = true;
  return true;
}

bool Window::CreateControl(const wchar_t* className, HWND parent, std::wstring_view text,
                           DWORD style, DWORD exStyle, const RECT& rect, UINT id) {
  if (hwnd_) return false;
  const std::wstring title(text);
  const HWND created = CreateWindowExW(exStyle, className, title.c_str(), style, rect.left,
                                       rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                       parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                       ModuleInstance(), nullptr);
  if (!created) return false;
  if (!Attach(created)) {
    DestroyWindow(created);
    return false;
  }
  owns_ = true;
  return true;
}

bool Window::Attach(HWND window) {
  if (hwnd_ || !window || FromHandle(window)) return false;
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  Bind(window, Binding::Subclass);
  owns_ = false;
  OnAttached();
  return true;
}

HWND Window::Detach() {
  const HWND window = hwnd_;
  if (window && binding_ == Binding::Subclass) {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    Unbind();
    return window;
  }
  return nullptr;
}

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<Window*>(GetPropW(window, kObjectProperty));
}

void Window::Bind(HWND window, Binding binding) {
  hwnd_ = window;
  binding_ = binding;
  SetPropW(window, kObjectProperty, this);
}

void Window::Unbind() {
  if (hwnd_) RemovePropW(hwnd_, kObjectProperty);
  hwnd_ = nullptr;
  binding_ = Binding::None;
  owns_ = false;
}

LRESULT CALLBACK Window::ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(window);
  if (!self && message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    self = static_cast<Window*>(create->lpCreateParams);
    if (self) self->Bind(window, Binding::OwnClass);
  }
  // WM_GETMINMAXINFO and a few others come before WM_NCCREATE.
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->Dispatch(message, wParam, lParam, nullptr);
  if (message == WM_NCDESTROY) self->EndBinding();
  return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR reference) {
  auto* self = reinterpret_cast<Window*>(reference);
  if (message == WM_NCDESTROY) {
    // The subclass goes before the system class sees its last message, as comctl32 asks.
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
  }
  const LRESULT result = self->Dispatch(message, wParam, lParam, nullptr);
  if (message == WM_NCDESTROY) self->EndBinding();
  return result;
}

void Window::EndBinding() {
  Unbind();
  if (depth_ == 0) {
    OnFinalMessage();
  } else {
    finalPending_ = true;
  }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* defaulted) {
  const Current saved = current_;
  current_ = Current{message, wParam, lParam, false};
  ++depth_;
  const LRESULT result = WindowProc(message, wParam, lParam);
  if (defaulted) *defaulted = current_.defaulted;
  current_ = saved;
  // A window destroyed by one of its own handlers learns of its end only when the outermost
  // handler has returned, so that no handler runs on a deleted object.
  if (--depth_ == 0 && finalPending_) {
    finalPending_ = false;
    OnFinalMessage();
  }
  return result;
}

LRESULT Window::Default() {
  current_.defaulted = true;
  return DefaultProc(current_.message, current_.wParam, current_.lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (binding_) {
    case Binding::Subclass:
      return DefSubclassProc(hwnd_, message, wParam, lParam);
    case Binding::OwnClass:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case Binding::Dialog:
    case Binding::None:
      break;
  }
  return 0;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return OnNcCreate(reinterpret_cast<CREATESTRUCTW*>(lParam)) ? TRUE : FALSE;
    case WM_CREATE:
      return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      OnPrintClient(reinterpret_cast<HDC>(wParam), static_cast<UINT>(lParam));
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM:
      return ReflectOrHandle(message, wParam, lParam);
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), PointFrom(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(static_cast<UINT>(wParam), PointFrom(lParam));
      return 0;
    case WM_MBUTTONDOWN:
      OnMButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      OnRButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_KEYUP:
      OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SETTEXT:
      return OnSetText(reinterpret_cast<const wchar_t*>(lParam));
    case WM_GETTEXT:
      return OnGetText(wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_GETTEXTLENGTH:
      return OnGetTextLength();
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_SETCURSOR:
      return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_EXITMENULOOP:
      OnExitMenuLoop(wParam != 0);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    default:
      return Default();
  }
}

LRESULT Window::ReflectOrHandle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    const auto control = reinterpret_cast<HWND>(lParam);
    Window* child = FromHandle(control);
    if (child && child != this && child->OnReflectedCommand(HIWORD(wParam))) return 0;
    if (OnCommand(LOWORD(wParam), HIWORD(wParam), control)) return 0;
    return Default();
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    if (!header) return Default();
    Window* child = FromHandle(header->hwndFrom);
    if (child && child != this && child->OnReflectedNotify(header, result)) return result;
    result = 0;
    if (OnNotify(header, result)) return result;
    return Default();
  }
  if (message == WM_DRAWITEM) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!item) return Default();
    if (item->CtlType != ODT_MENU) {
      Window* child = FromHandle(item->hwndItem);
      if (child && child != this && child->OnReflectedDrawItem(item)) return TRUE;
    }
    if (OnDrawItem(static_cast<UINT>(wParam), item)) return TRUE;
    return Default();
  }
  // The WM_CTLCOLOR* family.
  const auto dc = reinterpret_cast<HDC>(wParam);
  const auto control = reinterpret_cast<HWND>(lParam);
  Window* child = FromHandle(control);
  if (child && child != this) {
    if (HBRUSH brush = child->OnReflectedCtlColor(dc, message))
      return reinterpret_cast<LRESULT>(brush);
  }
  return reinterpret_cast<LRESULT>(OnCtlColor(dc, control, message));
}

bool Window::PreTranslateMessage(MSG&) { return false; }
bool Window::OnReflectedNotify(NMHDR*, LRESULT&) { return false; }
bool Window::OnReflectedCommand(UINT) { return false; }
HBRUSH Window::OnReflectedCtlColor(HDC, UINT) { return nullptr; }
bool Window::OnReflectedDrawItem(DRAWITEMSTRUCT*) { return false; }

bool Window::OnNcCreate(CREATESTRUCTW*) { return Default() != 0; }
int Window::OnCreate(CREATESTRUCTW*) { return static_cast<int>(Default()); }
void Window::OnDestroy() { Default(); }
void Window::OnSize(UINT, int, int) { Default(); }
void Window::OnPaint() { Default(); }
void Window::OnPrintClient(HDC, UINT) { Default(); }
bool Window::OnEraseBackground(HDC) { return Default() != 0; }
bool Window::OnCommand(UINT, UINT, HWND) { return false; }
bool Window::OnNotify(NMHDR*, LRESULT&) { return false; }
HBRUSH Window::OnCtlColor(HDC, HWND, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
bool Window::OnDrawItem(UINT, DRAWITEMSTRUCT*) { return false; }
void Window::OnMouseMove(UINT, POINT) { Default(); }
void Window::OnMouseLeave() { Default(); }
void Window::OnLButtonDown(UINT, POINT) { Default(); }
void Window::OnLButtonUp(UINT, POINT) { Default(); }
void Window::OnMButtonDown(UINT, POINT) { Default(); }
void Window::OnRButtonDown(UINT, POINT) { Default(); }
void Window::OnKeyDown(UINT, UINT, UINT) { Default(); }
void Window::OnKeyUp(UINT, UINT, UINT) { Default(); }
void Window::OnSetFocus(HWND) { Default(); }
void Window::OnKillFocus(HWND) { Default(); }
void Window::OnTimer(UINT_PTR) { Default(); }
void Window::OnClose() { Default(); }
LRESULT Window::OnSetText(const wchar_t*) { return Default(); }
LRESULT Window::OnGetText(WPARAM, wchar_t*) { return Default(); }
LRESULT Window::OnGetTextLength() { return Default(); }
void Window::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
bool Window::OnSetCursor(HWND, UINT, UINT) { return Default() != 0; }
void Window::OnInitMenuPopup(HMENU, UINT, bool) { Default(); }
void Window::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void Window::OnExitMenuLoop(bool) { Default(); }
void Window::OnDropFiles(HDROP) { Default(); }

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(hwnd_, message, wParam, lParam);
}

BOOL Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return PostMessageW(hwnd_, message, wParam, lParam);
}

std::wstring Window::Text() const {
  if (!hwnd_) return {};
  const int length = GetWindowTextLengthW(hwnd_);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextW(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
  return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void Window::SetText(std::wstring_view text) {
  const std::wstring copy(text);
  SetWindowTextW(hwnd_, copy.c_str());
}

void Window::Enable(bool enable) { EnableWindow(hwnd_, enable ? TRUE : FALSE); }
bool Window::IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Window::Show(bool show) { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
bool Window::IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Window::Move(int x, int y, int width, int height, bool repaint) {
  MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE);
}

RECT Window::ClientRect() const {
  RECT rect{};
  GetClientRect(hwnd_, &rect);
  return rect;
}

RECT Window::WindowRect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect;
}

RECT Window::RectInParent() const {
  RECT rect = WindowRect();
  MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Window::Invalidate(bool erase) { InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }

void Window::SetFont(HFONT font, bool redraw) {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT Window::Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
UINT Window::Id() const { return static_cast<UINT>(GetDlgCtrlID(hwnd_)); }
HWND Window::Parent() const { return GetParent(hwnd_); }

}  // namespace wnd
