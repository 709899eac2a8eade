// The source file list control.
#include "controls/vantor_list_ctrl.h"

#include <algorithm>
#include <string>

#include "framework/frame.h"

void CVantorListCtrl::OnMouseMove(UINT keys, POINT point) {
  // The position of the message as queued, not the one in lParam: both agree for real moves.
  const DWORD position = GetMessagePos();
  POINT where{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ScreenToClient(hwnd(), &where);
  const LVHITTESTINFO hit = SubItemHitTest(where);
  // A move over no row goes no further: the list's own hover handling sees only moves over rows.
  if (hit.iItem < 0) return;
  const std::wstring text = ItemText(hit.iItem, hit.iSubItem);
  if (!text.empty()) {
    if (wnd::Frame* frame = wnd::MainFrame()) frame->SetStatusText(text);
  }
  ListView::OnMouseMove(keys, point);
}

void CVantorListCtrl::OnLButtonDown(UINT keys, POINT point) {
  ListView::OnLButtonDown(keys, point);  // selection first
  const int row = HitTest(point);
  if (row >= 0) RequestPreview(row);
}

void CVantorListCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  ListView::OnKeyDown(key, repeat, flags);
  PreviewSelectionMark();
}

void CVantorListCtrl::OnKeyUp(UINT key, UINT repeat, UINT flags) {
  ListView::OnKeyUp(key, repeat, flags);
  PreviewSelectionMark();
}

void CVantorListCtrl::PreviewSelectionMark() {
  const int mark = SelectionMark();
  if (mark != -1) RequestPreview(mark);
}

void CVantorListCtrl::RequestPreview(int row) {
  SendMessageW(GetParent(hwnd()), WM_SHOWPREVIEW, static_cast<WPARAM>(row), 0);
}

bool CVantorListCtrl::OnReflectedNotify(NMHDR* header, LRESULT& result) {
  if (header->code == NM_CUSTOMDRAW) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
      result = CDRF_NOTIFYITEMDRAW;
    } else {
      // Row text on white, so that it stays readable over the background picture.
      if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) draw->clrTextBk = RGB(255, 255, 255);
      result = CDRF_DODEFAULT;
    }
    return true;
  }
  if (header->code == LVN_GETINFOTIPW) {
    auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(header);
    // The buffer and its capacity come from the caller; nothing is written past them.
    if (tip->pszText && tip->cchTextMax > 0) {
      const std::wstring text = ItemText(tip->iItem, tip->iSubItem);
      const size_t count = std::min(text.size(), static_cast<size_t>(tip->cchTextMax) - 1);
      std::copy_n(text.data(), count, tip->pszText);
      tip->pszText[count] = L'\0';
    }
    result = 0;
    return true;
  }
  return false;
}
