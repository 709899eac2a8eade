// The base of every window of our window layer: owns a window of its own class or subclasses a
// window of a system class, and turns its messages into calls of virtual handlers.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

namespace wnd {

// Layer-wide control and pane ids.
inline constexpr UINT kIdToolBar = 0xE800;
inline constexpr UINT kIdStatusBar = 0xE801;
inline constexpr UINT kIdFirstPane = 0xE900;

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Registers a window class of this layer (idempotent). Windows of such classes call their object
  // from the first message on.
  static bool RegisterClass(const wchar_t* className, UINT classStyle = CS_DBLCLKS,
                            HBRUSH background = nullptr, HICON icon = nullptr,
                            HICON smallIcon = nullptr);
  static constexpr const wchar_t* kDefaultClass = L"wnd.Window";

  // Creates a window of a class registered with RegisterClass (the layer's default class when
  // `className` is null). The window is destroyed with the object.
  bool Create(HWND parent, std::wstring_view text, DWORD style, DWORD exStyle, const RECT& rect,
              UINT id = 0, const wchar_t* className = nullptr, HMENU menu = nullptr);

  // Creates a window of a system class (button, edit, list view, ...) and subclasses it. The window
  // is destroyed with the object.
  bool CreateControl(const wchar_t* className, HWND parent, std::wstring_view text, DWORD style,
                     DWORD exStyle, const RECT& rect, UINT id);

  // Subclasses an existing window, such as a control of a dialog; the window stays its owner's and
  // is left alive when the object goes. False when the window is already bound to an object.
  bool Attach(HWND window);
  // Ends the subclassing and returns the window.
  HWND Detach();
  void Destroy();

  // The object bound to a window, if any.
  static Window* FromHandle(HWND window);

  // Thin helpers over the common window calls.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  std::wstring Text() const;
  void SetText(std::wstring_view text);
  void Enable(bool enable);
  bool IsEnabled() const;
  void Show(bool show);
  bool IsVisible() const;
  void Move(int x, int y, int width, int height, bool repaint = true);
  RECT ClientRect() const;
  RECT WindowRect() const;    // screen coordinates
  RECT RectInParent() const;  // window rectangle in the parent's client coordinates
  void Invalidate(bool erase = true);
  void SetFont(HFONT font, bool redraw = true);
  HFONT Font() const;
  UINT Id() const;
  HWND Parent() const;

  // Keyboard and mouse messages pass here first while the application's loop runs, from the
  // window that receives them up through its parents; true swallows the message.
  virtual bool PreTranslateMessage(MSG& message);

  // Reflected notifications: a parent of this layer offers a child's notification, colour request
  // and draw request to the child first. Reflected handlers must not call Default().
  virtual bool OnReflectedNotify(NMHDR* header, LRESULT& result);
  virtual bool OnReflectedCommand(UINT code);
  virtual HBRUSH OnReflectedCtlColor(HDC dc, UINT message);  // null: not handled
  virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT* item);

 protected:
  // The message dispatcher; override to take messages that have no handler below, and call the
  // base for the rest.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing of the message being handled: the system class, DefWindowProcW, or (for a
  // dialog) the dialog manager.
  LRESULT Default();
  virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  // After Attach or CreateControl bound the window.
  virtual void OnAttached() {}
  // After the last message (WM_NCDESTROY); the window is gone. An object may delete itself here.
  virtual void OnFinalMessage() {}

  // Handlers; each default calls Default().
  virtual bool OnNcCreate(CREATESTRUCTW* create);
  virtual int OnCreate(CREATESTRUCTW* create);
  virtual void OnDestroy();
  virtual void OnSize(UINT type, int width, int height);
  virtual void OnPaint();
  virtual void OnPrintClient(HDC dc, UINT flags);
  virtual bool OnEraseBackground(HDC dc);
  virtual bool OnCommand(UINT id, UINT code, HWND control);  // false: not handled
  virtual bool OnNotify(NMHDR* header, LRESULT& result);     // false: not handled
  virtual HBRUSH OnCtlColor(HDC dc, HWND child, UINT message);
  virtual bool OnDrawItem(UINT id, DRAWITEMSTRUCT* item);  // false: not handled
  virtual void OnMouseMove(UINT keys, POINT point);
  virtual void OnMouseLeave();
  virtual void OnLButtonDown(UINT keys, POINT point);
  virtual void OnLButtonUp(UINT keys, POINT point);
  virtual void OnMButtonDown(UINT keys, POINT point);
  virtual void OnRButtonDown(UINT keys, POINT point);
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
  virtual void OnSetFocus(HWND previous);
  virtual void OnKillFocus(HWND next);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnClose();
  virtual LRESULT OnSetText(const wchar_t* text);
  virtual LRESULT OnGetText(WPARAM capacity, wchar_t* buffer);
  virtual LRESULT OnGetTextLength();
  virtual void OnGetMinMaxInfo(MINMAXINFO* info);
  virtual bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
  virtual void OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu);
  virtual void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  virtual void OnExitMenuLoop(bool popup);
  virtual void OnDropFiles(HDROP drop);

  // Whether Default() was called for the message being handled (the dialog manager needs it).
  bool DefaultWasCalled() const { return current_.defaulted; }

 private:
  enum class Binding { None, OwnClass, Subclass, Dialog };
  struct Current {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool defaulted = false;
  };

  static LRESULT CALLBACK ClassProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Bind(HWND window, Binding binding);
  void Unbind();
  LRESULT ReflectOrHandle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  Binding binding_ = Binding::None;
  bool owns_ = false;
  Current current_;
  int depth_ = 0;              // handlers of this window now running
  bool finalPending_ = false;  // WM_NCDESTROY came while a handler of this window ran

  friend class Dialog;
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* defaulted);
  // After WM_NCDESTROY was dispatched: unbinds, and calls OnFinalMessage now or, while a handler
  // of this window still runs, when the outermost one has returned.
  void EndBinding();
};

}  // namespace wnd
