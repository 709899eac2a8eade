// CVantorListCtrl: the list of source files. It writes the cell under the pointer into the main
// frame's status bar, answers info-tip requests with the whole cell text, keeps row text on a
// white ground over the list's background picture, and asks its parent to preview a row after
// a click on a row and after every key press and release.
#pragma once

#include <windows.h>

#include "framework/list_view.h"

// Sent to the list's parent with the row index in wParam and 0 in lParam.
inline constexpr UINT WM_SHOWPREVIEW = WM_USER + 151;

class CVantorListCtrl : public wnd::ListView {
 protected:
  void OnMouseMove(UINT keys, POINT point) override;
  void OnLButtonDown(UINT keys, POINT point) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
  bool OnReflectedNotify(NMHDR* header, LRESULT& result) override;

 private:
  void RequestPreview(int row);
  void PreviewSelectionMark();
};
