// Rich edit control wrapper.
#include "framework/rich_edit.h"

#include <string>

namespace wnd {

bool RichEdit::LoadModule() {
  // Kept loaded for the life of the process: windows of its class may exist until the end.
  static const HMODULE module = LoadLibraryW(L"Msftedit.dll");
  return module != nullptr;
}

bool RichEdit::Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle) {
  if (!LoadModule()) return false;
  return CreateControl(MSFTEDIT_CLASS, parent, L"", style | WS_CHILD, exStyle, rect, id);
}

bool RichEdit::SetDefaultFormat(const CHARFORMAT2W& format) {
  CHARFORMAT2W copy = format;
  copy.cbSize = sizeof copy;
  return Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&copy)) != 0;
}

bool RichEdit::SetSelectionFormat(const CHARFORMAT2W& format) {
  CHARFORMAT2W copy = format;
  copy.cbSize = sizeof copy;
  return Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&copy)) != 0;
}

CHARFORMAT2W RichEdit::SelectionFormat(DWORD mask) const {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = mask;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

void RichEdit::SetSelection(LONG start, LONG end) {
  CHARRANGE range{start, end};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichEdit::ReplaceSelection(std::wstring_view text, bool canUndo) {
  const std::wstring copy(text);
  Send(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

int RichEdit::TextLength() const { return static_cast<int>(Send(WM_GETTEXTLENGTH)); }
int RichEdit::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
int RichEdit::FirstVisibleLine() const { return static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)); }
void RichEdit::ScrollLines(int lines) { Send(EM_LINESCROLL, 0, lines); }
void RichEdit::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
void RichEdit::SetBackgroundColour(COLORREF colour) { Send(EM_SETBKGNDCOLOR, 0, colour); }

}  // namespace wnd
