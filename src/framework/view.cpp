// The client view.
#include "framework/view.h"

#include "framework/frame.h"
#include "framework/gdi.h"

namespace wnd {

bool View::CreateView(Frame& frame, Document* document, UINT id, DWORD style, DWORD exStyle) {
  constexpr const wchar_t* kClass = L"wnd.View";
  if (!RegisterClass(kClass, CS_DBLCLKS)) return false;
  frame_ = &frame;
  document_ = document;
  if (!Create(frame.hwnd(), L"", style | WS_CHILD, exStyle, RECT{}, id, kClass)) return false;
  frame.SetView(this);
  return true;
}

void View::OnDraw(HDC) {}

void View::OnPaint() {
  PaintDc dc(hwnd());
  OnDraw(dc.get());
}

void View::OnPrintClient(HDC dc, UINT) { OnDraw(dc); }

}  // namespace wnd
