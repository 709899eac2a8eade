// Modal dialogs and their window procedure.
#include "framework/dialog.h"

#include "framework/resource_text.h"

namespace wnd {

Dialog::Dialog(UINT templateId) : templateId_(templateId) {}

Dialog::Dialog(const DialogTemplate& dialogTemplate) : templateWords_(dialogTemplate.words()) {}

INT_PTR Dialog::DoModal(HWND owner) {
  const HMODULE module = ResourceModule();
  const DLGTEMPLATE* dialogTemplate = nullptr;
  if (!templateWords_.empty()) {
    dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(templateWords_.data());
  } else if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId_), RT_DIALOG)) {
    HGLOBAL loaded = LoadResource(module, found);
    dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
  }
  if (!dialogTemplate || hwnd()) return -1;

  ended_ = false;
  result_ = IDCANCEL;
  const HWND window = CreateDialogIndirectParamW(module, dialogTemplate, owner, DialogProc,
                                                 reinterpret_cast<LPARAM>(this));
  if (!window) return -1;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  if (hwnd() && !ended_) ShowWindow(window, SW_SHOW);

  while (!ended_ && hwnd()) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must see it too
      break;
    }
    if (got < 0) break;
    if (!PreTranslateModal(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // The owner comes back before the dialog goes, so that activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (hwnd()) DestroyWindow(hwnd());
  return result_;
}

void Dialog::EndDialog(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (hwnd()) PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the loop
}

bool Dialog::PreTranslateModal(MSG& message) {
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    if (Window* object = FromHandle(window); object && object->PreTranslateMessage(message))
      return true;
    if (window == hwnd()) break;
  }
  return hwnd() && IsDialogMessageW(hwnd(), &message);
}

bool Dialog::OnInitDialog() { return true; }
void Dialog::OnOK() { EndDialog(IDOK); }
void Dialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog() ? TRUE : FALSE;
  return Window::WindowProc(message, wParam, lParam);
}

bool Dialog::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED || control == nullptr) {
    if (id == IDOK) {
      OnOK();
      return true;
    }
    if (id == IDCANCEL) {
      OnCancel();
      return true;
    }
  }
  return false;
}

LRESULT Dialog::DefaultProc(UINT, WPARAM, LPARAM) { return 0; }

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    if (self) self->Bind(window, Binding::Dialog);
  } else {
    self = static_cast<Dialog*>(FromHandle(window));
  }
  if (!self) return FALSE;

  bool defaulted = false;
  const LRESULT result = self->Dispatch(message, wParam, lParam, &defaulted);
  if (message == WM_NCDESTROY) {
    self->EndBinding();
    return FALSE;
  }
  if (defaulted) return FALSE;
  switch (message) {
    // These answer through the return value, not DWLP_MSGRESULT.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

}  // namespace wnd
