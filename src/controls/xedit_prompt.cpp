// The prompting edit box.
#include "controls/xedit_prompt.h"

void CXEditPrompt::OnAttached() {
  background_.Reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
  SetEditText(prompt_);
  SetSelection(-1, 0);  // no selection
  ScrollCaret();
}

void CXEditPrompt::SetPromptText(std::wstring_view text) {
  prompt_ = text;
  if (prompt_.empty()) {
    // Leaving prompt mode with the old prompt still in the box would let readers take it for
    // text; the box is emptied instead.
    if (promptMode_) LeavePromptMode();
    return;
  }
  if (promptMode_ && hwnd()) SetEditText(prompt_);
}

void CXEditPrompt::SetPromptColour(COLORREF colour) {
  promptColour_ = colour;
  if (hwnd()) Invalidate();
}

void CXEditPrompt::SetEditText(std::wstring_view text) {
  if (promptMode_ && text.empty()) return;
  if (text != prompt_) promptMode_ = false;
  SetText(text);
}

LRESULT CXEditPrompt::OnSetText(const wchar_t* text) {
  // Reported as done: the caller's text is in place as far as it can tell.
  if (!text || (promptMode_ && *text == L'\0')) return TRUE;
  if (prompt_ != text) promptMode_ = false;
  return EditControl::OnSetText(text);
}

LRESULT CXEditPrompt::OnGetText(WPARAM capacity, wchar_t* buffer) {
  if (!promptMode_) return EditControl::OnGetText(capacity, buffer);
  if (buffer && capacity > 0) buffer[0] = L'\0';
  return 0;
}

LRESULT CXEditPrompt::OnGetTextLength() {
  // Consistent with the text: a reader that asks for the length first sees an empty box too.
  if (promptMode_) return 0;
  return EditControl::OnGetTextLength();
}

void CXEditPrompt::OnSetFocus(HWND previous) {
  EditControl::OnSetFocus(previous);
  if (promptMode_) {
    // The line's real length: the text-length message answers 0 in prompt mode.
    const int end = static_cast<int>(Send(EM_LINELENGTH, 0));
    SetSelection(end, end);
    ScrollCaret();
  }
}

void CXEditPrompt::LeavePromptMode() {
  if (!promptMode_) return;
  promptMode_ = false;
  if (hwnd()) SetText(L"");
}

void CXEditPrompt::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  LeavePromptMode();
  EditControl::OnKeyDown(key, repeat, flags);
}

void CXEditPrompt::OnLButtonDown(UINT keys, POINT point) {
  LeavePromptMode();
  EditControl::OnLButtonDown(keys, point);
}

void CXEditPrompt::OnMButtonDown(UINT keys, POINT point) {
  LeavePromptMode();
  EditControl::OnMButtonDown(keys, point);
}

void CXEditPrompt::OnRButtonDown(UINT keys, POINT point) {
  LeavePromptMode();
  EditControl::OnRButtonDown(keys, point);
}

HBRUSH CXEditPrompt::OnReflectedCtlColor(HDC dc, UINT) {
  if (promptMode_) SetTextColor(dc, promptColour_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));  // the ground of the text matches the brush
  return background_.get();
}
