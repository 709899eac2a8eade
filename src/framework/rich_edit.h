// The system's rich edit control (version 4.1, class RICHEDIT50W from Msftedit.dll).
// https://learn.microsoft.com/windows/win32/controls/rich-edit-controls
#pragma once

#include <windows.h>
#include <richedit.h>

#include "framework/window.h"

namespace wnd {

class RichEdit : public Window {
 public:
  // Loads Msftedit.dll once for the process; false when it is missing.
  static bool LoadModule();

  bool Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle = 0);
  bool SetDefaultFormat(const CHARFORMAT2W& format);
  bool SetSelectionFormat(const CHARFORMAT2W& format);
  CHARFORMAT2W SelectionFormat(DWORD mask) const;
  void SetSelection(LONG start, LONG end);
  void ReplaceSelection(std::wstring_view text, bool canUndo = false);
  int TextLength() const;
  int LineCount() const;
  int FirstVisibleLine() const;
  void ScrollLines(int lines);
  void SetReadOnly(bool readOnly);
  void SetBackgroundColour(COLORREF colour);
};

}  // namespace wnd
