// The transparent label.
#include "controls/vantor_transparent_static.h"

#include <string>

#include "framework/gdi.h"

LRESULT CVantorTransparentStatic::OnSetText(const wchar_t* text) {
  const LRESULT result = StaticControl::OnSetText(text);
  const HWND parent = Parent();
  if (parent) {
    const RECT under = RectInParent();
    InvalidateRect(parent, &under, TRUE);
    UpdateWindow(parent);
  }
  return result;
}

void CVantorTransparentStatic::OnPaint() {
  wnd::PaintDc dc(hwnd());
  PaintContent(dc.get());
}

void CVantorTransparentStatic::OnPrintClient(HDC dc, UINT) { PaintContent(dc); }

void CVantorTransparentStatic::PaintContent(HDC dc) {
  const std::wstring text = Text();
  RECT client = ClientRect();
  wnd::SelectScope font(dc, Font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP);
  SetBkMode(dc, oldMode);
}

HBRUSH CVantorTransparentStatic::OnCtlColor(HDC dc, HWND child, UINT message) {
  StaticControl::OnCtlColor(dc, child, message);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}
