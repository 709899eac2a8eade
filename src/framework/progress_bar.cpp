// Progress bar wrapper.
#include "framework/progress_bar.h"

namespace wnd {

bool ProgressBar::Create(HWND parent, DWORD style, const RECT& rect, UINT id) {
  return CreateControl(PROGRESS_CLASSW, parent, L"", style | WS_CHILD, 0, rect, id);
}

void ProgressBar::SetRange(WORD lower, WORD upper) {
  Send(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}
void ProgressBar::SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
int ProgressBar::Position() const { return static_cast<int>(Send(PBM_GETPOS)); }

PBRANGE ProgressBar::Range() const {
  PBRANGE range{};
  Send(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  return range;
}

}  // namespace wnd
