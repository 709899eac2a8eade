// A modal dialog from a dialog resource or from a template built in memory. The dialog runs its
// own loop, so its windows see keyboard messages first (PreTranslateMessage) before the dialog
// manager's keyboard handling.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/dialog_template.h"
#include "framework/window.h"

namespace wnd {

class Dialog : public Window {
 public:
  explicit Dialog(UINT templateId);
  explicit Dialog(const DialogTemplate& dialogTemplate);

  // Shows the dialog with `owner` disabled until it ends; returns the value given to EndDialog,
  // or -1 when the dialog could not be created.
  INT_PTR DoModal(HWND owner);
  void EndDialog(INT_PTR result);
  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }

 protected:
  // True lets the system give the focus to the first control.
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  // Unhandled messages go back to the dialog manager.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool PreTranslateModal(MSG& message);

  UINT templateId_ = 0;
  std::vector<WORD> templateWords_;
  bool ended_ = false;
  INT_PTR result_ = IDCANCEL;
};

}  // namespace wnd
