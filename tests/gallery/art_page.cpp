// The two pages of art.
#include "art_page.h"

#include <string>

#include "framework/gdi.h"
#include "gallery_art.h"
#include "resource.h"

namespace gallery {
namespace {

constexpr int kAboutX = 500, kAboutY = 28;  // where the about box's picture lies on its page

std::wstring Sized(UINT id, const wchar_t* name) {
  const SIZE size = BitmapSize(id);
  return std::to_wstring(id) + L" " + name + L", " + std::to_wstring(size.cx) + L" x " +
         std::to_wstring(size.cy);
}

}  // namespace

void WorkspaceArtPage::Paint(HDC dc, const RECT& client) {
  Caption(dc, 10, 10, Sized(IDB_HEADER_BANNER, L"header banner"));
  DrawBitmap(dc, IDB_HEADER_BANNER, 10, 28);
  Caption(dc, 870, 10, Sized(IDB_HEADER_STRETCH, L"stretch"));
  DrawBitmap(dc, IDB_HEADER_STRETCH, 870, 28);
  Caption(dc, 1060, 10, Sized(IDB_FOOTER_LEFT, L"footer left"));
  DrawBitmap(dc, IDB_FOOTER_LEFT, 1060, 28);

  Caption(dc, 10, 110, Sized(IDB_FOOTER_STRIP, L"footer strip"));
  DrawBitmap(dc, IDB_FOOTER_STRIP, 10, 128);
  Caption(dc, 10, 200, Sized(IDB_LIST_BACKGROUND, L"list background"));
  DrawBitmap(dc, IDB_LIST_BACKGROUND, 10, 218);

  Caption(dc, 880, 110, Sized(IDB_LIST_ICONS, L"list icons; magenta is the mask"));
  DrawBitmap(dc, IDB_LIST_ICONS, 880, 135);
  DrawBitmap(dc, IDB_LIST_ICONS, 960, 128, 3);

  Caption(dc, 880, 200, L"338 toolbar images, 7 x 48 x 48 (PNG)");
  DrawPng(dc, IDB_PNG_TOOLBAR, 880, 218);

  Caption(dc, 880, 280, L"331 to 337 button images, 20 x 20 (twice)");
  const UINT buttons[] = {IDB_PNG_SELECT_FILES, IDB_PNG_REPAIR_FILES, IDB_PNG_REMOVE_FILES,
                          IDB_PNG_STOP,         IDB_PNG_EXIT,         IDB_PNG_BROWSE,
                          IDB_PNG_SAVE};
  int x = 880;
  for (UINT id : buttons) {
    DrawPng(dc, id, x, 300, 2);
    DrawPng(dc, id, x + 10, 346);
    x += 52;
  }
  Caption(dc, 880, 380, L"359 OK image, 16 x 16 (and twice)");
  DrawPng(dc, IDB_PNG_OK, 880, 400);
  DrawPng(dc, IDB_PNG_OK, 910, 400, 2);

  Caption(dc, 880, 450, L"128 icon at 16, 32, 48");
  DrawIcon(dc, IDR_MAINFRAME, 880, 486, 16);
  DrawIcon(dc, IDR_MAINFRAME, 906, 470, 32);
  DrawIcon(dc, IDR_MAINFRAME, 948, 454 + 16, 48);
  Caption(dc, 1050, 450, L"354 link cursor");
  DrawCursor(dc, IDC_LINK_CURSOR, 1060, 470);

  // The header and footer as the workspace composes them at this page's width.
  const int width = client.right - 20;
  Caption(dc, 10, 528, L"Header and footer composed at the page's width");
  DrawBitmap(dc, IDB_HEADER_BANNER, 10, 546);
  const SIZE stretch = BitmapSize(IDB_HEADER_STRETCH);
  const SIZE strip = BitmapSize(IDB_FOOTER_STRIP);
  HDC source = CreateCompatibleDC(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  if (HBITMAP bitmap =
          LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_HEADER_STRETCH))) {
    HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(dc, 10 + 400, 546, width - 400, stretch.cy, source, 0, 0, stretch.cx, stretch.cy,
               SRCCOPY);
    SelectObject(source, old);
    DeleteObject(bitmap);
  }
  if (HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FOOTER_STRIP))) {
    HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(dc, 10, 546 + 72, width, strip.cy, source, 0, 0, strip.cx, strip.cy, SRCCOPY);
    SelectObject(source, old);
    DeleteObject(bitmap);
  }
  DeleteDC(source);
  DrawBitmap(dc, IDB_FOOTER_LEFT, 10, 546 + 72);
}

bool WindowArtPage::Populate() {
  // The about box's texts lie where its template puts them (dialog units of "MS Shell Dlg" 8,
  // about 1.5 pixels across and 1.6 down).
  const auto place = [](int x, int y, int width, int height) {
    const int left = kAboutX + x * 3 / 2, top = kAboutY + y * 13 / 8;
    return RECT{left, top, left + width * 3 / 2, top + height * 13 / 8};
  };
  title_.Create(hwnd(), L"", WS_VISIBLE, place(34, 77, 196, 10), IDC_ABOUT_TITLE);
  static const HFONT bold =
      CreateFontW(16, 0, 0, 0, 700, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  title_.SetFont(bold);
  title_.SetText(L"Tandrel xlsx Repair v1.0");
  rights_.Create(hwnd(), L"", WS_VISIBLE, place(61, 91, 168, 8), IDC_ABOUT_RIGHTS);
  rights_.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  rights_.SetText(L"(the maker's rights notice)");
  product_.Create(hwnd(), L"", WS_VISIBLE, place(56, 106, 169, 8), IDC_ABOUT_PRODUCT);
  product_.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  product_.SetText(L"Tandrel xlsx Repair Software.");
  ok_.Create(hwnd(), L"OK", place(95, 187, 50, 14), IDOK);
  ok_.SetImage(IDB_PNG_OK);
  ok_.SetTooltip(L"OK");
  return true;
}

void WindowArtPage::Paint(HDC dc, const RECT&) {
  Caption(dc, 10, 10, Sized(IDB_SPLASH, L"splash; magenta cut away"));
  const SIZE splash = BitmapSize(IDB_SPLASH);
  if (HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SPLASH))) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    TransparentBlt(dc, 10, 28, splash.cx, splash.cy, source, 0, 0, splash.cx, splash.cy,
                   RGB(255, 0, 255));
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
  }
  Caption(dc, 10, 300, Sized(IDB_SPLASH, L"splash as stored"));
  DrawBitmap(dc, IDB_SPLASH, 10, 318);

  Caption(dc, kAboutX, 10, Sized(IDB_ABOUT_BACKGROUND, L"about box picture"));
  Caption(dc, kAboutX, kAboutY + BitmapSize(IDB_ABOUT_BACKGROUND).cy + 6,
          L"with transparent labels and the OK button where the box puts them");
  DrawBitmap(dc, IDB_ABOUT_BACKGROUND, kAboutX, kAboutY);

  Caption(dc, 900, 10, Sized(IDB_MAKER_LOGO, L"maker's logo"));
  DrawBitmap(dc, IDB_MAKER_LOGO, 900, 28);
}

}  // namespace gallery
