// Edit control wrapper.
#include "framework/edit_control.h"

#include <string>

namespace wnd {

bool EditControl::Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle) {
  return CreateControl(L"EDIT", parent, L"", style | WS_CHILD, exStyle, rect, id);
}

void EditControl::SetSelection(int start, int end) { Send(EM_SETSEL, start, end); }

void EditControl::ReplaceSelection(std::wstring_view text, bool canUndo) {
  const std::wstring copy(text);
  Send(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

void EditControl::ScrollCaret() { Send(EM_SCROLLCARET); }
void EditControl::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
int EditControl::TextLength() const { return static_cast<int>(Send(WM_GETTEXTLENGTH)); }

}  // namespace wnd
