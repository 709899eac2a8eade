// Building the extended dialog template word by word.
#include "framework/dialog_template.h"

namespace wnd {

DialogTemplate::DialogTemplate(std::wstring_view caption, DWORD style, short x, short y,
                               short width, short height, std::wstring_view font, WORD pointSize,
                               DWORD exStyle) {
  words_.push_back(1);       // dlgVer
  words_.push_back(0xFFFF);  // signature: extended template
  PushDword(0);              // helpID
  PushDword(exStyle);
  PushDword(style | DS_SETFONT);
  countIndex_ = words_.size();
  words_.push_back(0);  // cDlgItems, counted by AddControl
  words_.push_back(static_cast<WORD>(x));
  words_.push_back(static_cast<WORD>(y));
  words_.push_back(static_cast<WORD>(width));
  words_.push_back(static_cast<WORD>(height));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the dialog class
  PushString(caption);
  words_.push_back(pointSize);
  words_.push_back(FW_NORMAL);
  words_.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, character set
  PushString(font);
}

void DialogTemplate::AddControl(std::wstring_view className, std::wstring_view text, DWORD style,
                                short x, short y, short width, short height, DWORD id,
                                DWORD exStyle) {
  AlignToDword();
  PushDword(0);  // helpID
  PushDword(exStyle);
  PushDword(style | WS_CHILD);
  words_.push_back(static_cast<WORD>(x));
  words_.push_back(static_cast<WORD>(y));
  words_.push_back(static_cast<WORD>(width));
  words_.push_back(static_cast<WORD>(height));
  PushDword(id);
  PushString(className);
  PushString(text);
  words_.push_back(0);  // no creation data
  ++words_[countIndex_];
}

void DialogTemplate::PushDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::PushString(std::wstring_view text) {
  for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  // The vector's storage starts DWORD-aligned, so an even word count is a DWORD boundary.
  if (words_.size() % 2) words_.push_back(0);
}

}  // namespace wnd
