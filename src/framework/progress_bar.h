// The system's progress bar.
// https://learn.microsoft.com/windows/win32/controls/progress-bar-control
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/window.h"

namespace wnd {

class ProgressBar : public Window {
 public:
  bool Create(HWND parent, DWORD style, const RECT& rect, UINT id);
  // PBM_SETRANGE: 16-bit bounds.
  void SetRange(WORD lower, WORD upper);
  void SetPosition(int position);
  int Position() const;
  PBRANGE Range() const;
};

}  // namespace wnd
