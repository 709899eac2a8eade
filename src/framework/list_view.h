// The system's list view control.
// https://learn.microsoft.com/windows/win32/controls/list-view-controls-overview
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/window.h"

namespace wnd {

class ListView : public Window {
 public:
  bool Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle = 0);

  int InsertColumn(int index, std::wstring_view heading, int width, int format = LVCFMT_LEFT);
  // Returns the new row's index, or -1.
  int InsertItem(int index, std::wstring_view text, int image = -1);
  bool DeleteItem(int index);
  bool DeleteAllItems();
  int ItemCount() const;
  std::wstring ItemText(int item, int subItem) const;
  bool SetItemText(int item, int subItem, std::wstring_view text);
  LPARAM ItemData(int item) const;
  bool SetItemData(int item, LPARAM data);
  int ItemImage(int item) const;
  void SetItemState(int item, UINT state, UINT mask);
  UINT ItemState(int item, UINT mask) const;

  DWORD ExtendedStyle() const;
  // Adds bits to the extended list styles the control already has.
  void AddExtendedStyle(DWORD bits);
  HIMAGELIST SetSmallImageList(HIMAGELIST images);

  // LVM_HITTEST at a point in client coordinates: the row there, or -1.
  int HitTest(POINT point) const;
  // LVM_SUBITEMHITTEST at a point in client coordinates; iItem is -1 when no row is hit.
  LVHITTESTINFO SubItemHitTest(POINT point) const;
  int SelectionMark() const;
  void SetSelectionMark(int item);
  int NextItem(int start, UINT flags) const;

  // A bitmap as the list's background (LVM_SETBKIMAGEW). From then on the list owns the bitmap
  // and deletes it when it is replaced or the list is destroyed (common controls version 6).
  bool SetBackgroundImage(HBITMAP bitmap, bool tiled, int xOffsetPercent = 0,
                          int yOffsetPercent = 0);
};

}  // namespace wnd
