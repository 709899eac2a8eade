// CXEditPrompt: a single-line edit box that shows a grey prompt while it is empty and untouched.
// The prompt is never reported as the box's text. The box leaves prompt mode at the first key or
// mouse button pressed in it, or when a caller sets a text other than the prompt, and never
// returns to it by itself.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/edit_control.h"
#include "framework/gdi.h"

class CXEditPrompt : public wnd::EditControl {
 public:
  CXEditPrompt() = default;

  // An empty prompt switches prompt mode off and empties a box that showed the old prompt; in
  // prompt mode a new prompt is shown at once.
  void SetPromptText(std::wstring_view text);
  const std::wstring& PromptText() const { return prompt_; }
  void SetPromptColour(COLORREF colour);
  COLORREF PromptColour() const { return promptColour_; }
  bool IsPromptMode() const { return promptMode_; }

  // Sets the box's text: in prompt mode an empty text is ignored and the prompt stays; any text
  // other than the prompt ends prompt mode.
  void SetEditText(std::wstring_view text);

 protected:
  void OnAttached() override;
  LRESULT OnSetText(const wchar_t* text) override;
  LRESULT OnGetText(WPARAM capacity, wchar_t* buffer) override;
  LRESULT OnGetTextLength() override;
  void OnSetFocus(HWND previous) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnLButtonDown(UINT keys, POINT point) override;
  void OnMButtonDown(UINT keys, POINT point) override;
  void OnRButtonDown(UINT keys, POINT point) override;
  HBRUSH OnReflectedCtlColor(HDC dc, UINT message) override;

 private:
  void LeavePromptMode();

  bool promptMode_ = true;
  std::wstring prompt_ = L"<Enter text here>";
  COLORREF promptColour_ = RGB(119, 121, 118);
  wnd::Brush background_;
};
