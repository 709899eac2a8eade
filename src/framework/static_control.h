// The system's static text and picture control.
// https://learn.microsoft.com/windows/win32/controls/static-controls
#pragma once

#include "framework/window.h"

namespace wnd {

class StaticControl : public Window {
 public:
  bool Create(HWND parent, std::wstring_view text, DWORD style, const RECT& rect, UINT id,
              DWORD exStyle = 0);
  // STM_SETIMAGE with a bitmap; returns the bitmap it replaced.
  HBITMAP SetBitmap(HBITMAP bitmap);
};

}  // namespace wnd
