// Check box wrapper.
#include "framework/check_box.h"

namespace wnd {

bool CheckBox::Create(HWND parent, std::wstring_view text, DWORD style, const RECT& rect, UINT id) {
  return CreateControl(L"BUTTON", parent, text, style | WS_CHILD | BS_AUTOCHECKBOX, 0, rect, id);
}

void CheckBox::SetChecked(bool checked) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}
bool CheckBox::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

}  // namespace wnd
