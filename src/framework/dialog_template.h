// A dialog template built in memory (DLGTEMPLATEEX with its items), for dialogs that have no
// resource.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace wnd {

class DialogTemplate {
 public:
  // Positions and sizes in dialog units. DS_SETFONT is added: the template always names a font.
  DialogTemplate(std::wstring_view caption, DWORD style, short x, short y, short width,
                 short height, std::wstring_view font = L"MS Shell Dlg", WORD pointSize = 8,
                 DWORD exStyle = 0);

  // A control of a window class given by name ("BUTTON", "EDIT", "STATIC", ...).
  void AddControl(std::wstring_view className, std::wstring_view text, DWORD style, short x,
                  short y, short width, short height, DWORD id, DWORD exStyle = 0);

  const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
  std::size_t size() const { return words_.size() * sizeof(WORD); }
  const std::vector<WORD>& words() const { return words_; }

 private:
  void PushDword(DWORD value);
  void PushString(std::wstring_view text);
  void AlignToDword();

  std::vector<WORD> words_;
  std::size_t countIndex_ = 0;
};

}  // namespace wnd
