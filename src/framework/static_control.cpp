// Static control wrapper.
#include "framework/static_control.h"

namespace wnd {

bool StaticControl::Create(HWND parent, std::wstring_view text, DWORD style, const RECT& rect,
                           UINT id, DWORD exStyle) {
  return CreateControl(L"STATIC", parent, text, style | WS_CHILD, exStyle, rect, id);
}

HBITMAP StaticControl::SetBitmap(HBITMAP bitmap) {
  return reinterpret_cast<HBITMAP>(
      Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

}  // namespace wnd
