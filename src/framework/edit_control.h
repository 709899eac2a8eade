// The system's edit control.
// https://learn.microsoft.com/windows/win32/controls/edit-controls
#pragma once

#include "framework/window.h"

namespace wnd {

class EditControl : public Window {
 public:
  bool Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle = 0);
  void SetSelection(int start, int end);
  void ReplaceSelection(std::wstring_view text, bool canUndo = false);
  void ScrollCaret();
  void SetReadOnly(bool readOnly);
  int TextLength() const;
};

}  // namespace wnd
