// List view wrapper.
#include "framework/list_view.h"

#include <string>
#include <vector>

namespace wnd {

bool ListView::Create(HWND parent, DWORD style, const RECT& rect, UINT id, DWORD exStyle) {
  return CreateControl(WC_LISTVIEWW, parent, L"", style | WS_CHILD, exStyle, rect, id);
}

int ListView::InsertColumn(int index, std::wstring_view heading, int width, int format) {
  std::wstring text(heading);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = format;
  column.cx = width;
  column.pszText = text.data();
  return static_cast<int>(Send(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
}

int ListView::InsertItem(int index, std::wstring_view text, int image) {
  std::wstring copy(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
  item.iItem = index;
  item.iImage = image;
  item.pszText = copy.data();
  return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::DeleteItem(int index) { return Send(LVM_DELETEITEM, index) != 0; }
bool ListView::DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }
int ListView::ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

std::wstring ListView::ItemText(int item, int subItem) const {
  // The control reports only how much it copied, so the buffer grows until the text fits.
  std::vector<wchar_t> buffer(260);
  for (;;) {
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = buffer.data();
    request.cchTextMax = static_cast<int>(buffer.size());
    const auto copied =
        static_cast<size_t>(Send(LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request)));
    if (copied + 1 < buffer.size() || buffer.size() >= 0x100000) {
      return std::wstring(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
    }
    buffer.resize(buffer.size() * 4);
  }
}

bool ListView::SetItemText(int item, int subItem, std::wstring_view text) {
  std::wstring copy(text);
  LVITEMW request{};
  request.iSubItem = subItem;
  request.pszText = copy.data();
  return Send(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request)) != 0;
}

LPARAM ListView::ItemData(int item) const {
  LVITEMW request{};
  request.mask = LVIF_PARAM;
  request.iItem = item;
  if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request))) return 0;
  return request.lParam;
}

bool ListView::SetItemData(int item, LPARAM data) {
  LVITEMW request{};
  request.mask = LVIF_PARAM;
  request.iItem = item;
  request.lParam = data;
  return Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&request)) != 0;
}

int ListView::ItemImage(int item) const {
  LVITEMW request{};
  request.mask = LVIF_IMAGE;
  request.iItem = item;
  if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request))) return -1;
  return request.iImage;
}

void ListView::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW request{};
  request.state = state;
  request.stateMask = mask;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request));
}

UINT ListView::ItemState(int item, UINT mask) const {
  return static_cast<UINT>(Send(LVM_GETITEMSTATE, item, mask));
}

DWORD ListView::ExtendedStyle() const {
  return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

void ListView::AddExtendedStyle(DWORD bits) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, bits, bits); }

HIMAGELIST ListView::SetSmallImageList(HIMAGELIST images) {
  return reinterpret_cast<HIMAGELIST>(
      Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images)));
}

int ListView::HitTest(POINT point) const {
  LVHITTESTINFO info{};
  info.pt = point;
  return static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

LVHITTESTINFO ListView::SubItemHitTest(POINT point) const {
  LVHITTESTINFO info{};
  info.pt = point;
  if (Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info)) < 0) info.iItem = -1;
  return info;
}

int ListView::SelectionMark() const { return static_cast<int>(Send(LVM_GETSELECTIONMARK)); }
void ListView::SetSelectionMark(int item) { Send(LVM_SETSELECTIONMARK, 0, item); }

int ListView::NextItem(int start, UINT flags) const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

bool ListView::SetBackgroundImage(HBITMAP bitmap, bool tiled, int xOffsetPercent,
                                  int yOffsetPercent) {
  LVBKIMAGEW image{};
  image.ulFlags = (bitmap ? LVBKIF_SOURCE_HBITMAP : LVBKIF_SOURCE_NONE) |
                  (tiled ? LVBKIF_STYLE_TILE : LVBKIF_STYLE_NORMAL);
  image.hbm = bitmap;
  image.xOffsetPercent = xOffsetPercent;
  image.yOffsetPercent = yOffsetPercent;
  return Send(LVM_SETBKIMAGEW, 0, reinterpret_cast<LPARAM>(&image)) != 0;
}

}  // namespace wnd
