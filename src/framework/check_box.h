// The system's automatic check box (a button control).
// https://learn.microsoft.com/windows/win32/controls/button-types-and-styles
#pragma once

#include "framework/window.h"

namespace wnd {

class CheckBox : public Window {
 public:
  bool Create(HWND parent, std::wstring_view text, DWORD style, const RECT& rect, UINT id);
  void SetChecked(bool checked);
  bool IsChecked() const;
};

}  // namespace wnd
