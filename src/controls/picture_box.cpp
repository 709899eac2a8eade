// The preview picture box.
#include "controls/picture_box.h"

#include <io.h>

#include <iterator>
#include <string>

#include "framework/gdi.h"

namespace {

const wchar_t* const kNotices[] = {
    L"No .xlsx file(s) is available\n in the list",
    L"Select .xlsx file(s)\n to repair",
    L"Please wait while .xlsx file(s)\n are repairing....",
    L"Select .xlsx file(s)\n to see preview",
    L"No image is present \n in the selected .xlsx file(s)",
    L"Selected .xlsx file(s)\n is not repaired....",
};

}  // namespace

const wchar_t* CPictureBox::NoticeText(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kNotices))) return nullptr;
  return kNotices[index];
}

void CPictureBox::SetPicture(const std::wstring& path, int notice) {
  noticeIndex_ = notice;
  picture_.reset();
  if (!path.empty() && _waccess(path.c_str(), 0) == 0) picture_ = wnd::GdiplusImage::FromFile(path);
  if (!hwnd()) return;
  LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (PictureDecoded()) {
    style &= ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT);
  } else {
    style |= WS_EX_TRANSPARENT;
  }
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPictureBox::OnPaint() {
  wnd::PaintDc dc(hwnd());
  PaintContent(dc.get());
}

void CPictureBox::OnPrintClient(HDC dc, UINT) { PaintContent(dc); }

void CPictureBox::OnDestroy() {
  // The picture goes with the window, while the image library is certainly still running.
  picture_.reset();
  StaticControl::OnDestroy();
}

void CPictureBox::PaintContent(HDC dc) {
  const RECT box = WindowRect();
  const RECT client = ClientRect();
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) {
    const wchar_t* notice = NoticeText(noticeIndex_);
    if (!notice) return;
    // Only the control's own edges clip the text: no wrapping, a new line at each line feed.
    RECT area{10, 20, 0x4000, 0x4000};
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, notice, -1, &area, 0);
    SetBkMode(dc, oldMode);
    return;
  }
  if (*picture_) picture_->Draw(dc, 0, 0, wnd::Width(box), wnd::Height(box));
  RedrawSiblingsAbove(box);
}

void CPictureBox::RedrawSiblingsAbove(const RECT& box) {
  // Controls created after the box that lie over it are drawn again, so the picture does not hide
  // them.
  const HWND parent = Parent();
  if (!parent) return;
  bool after = false;
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == hwnd()) {
      after = true;
      continue;
    }
    if (!after) continue;
    RECT rect{}, overlap{};
    GetWindowRect(sibling, &rect);
    if (!IntersectRect(&overlap, &rect, &box)) continue;
    const RECT area{-5, -5, wnd::Width(rect) + 5, wnd::Height(rect) + 5};
    RedrawWindow(sibling, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
}
