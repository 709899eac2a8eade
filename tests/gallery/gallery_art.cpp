// Drawing the program's art for the gallery.
#include "gallery_art.h"

#include "framework/gdi.h"
#include "framework/gdiplus_image.h"

namespace gallery {

void Caption(HDC dc, int x, int y, const std::wstring& text) {
  static const HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        0, 0, CLEARTYPE_QUALITY, 0, L"Arial");
  wnd::SelectScope select(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kInk);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

SIZE BitmapSize(UINT id) {
  wnd::Bitmap bitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap.get(), sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

SIZE DrawBitmap(HDC dc, UINT id, int x, int y, int scale) {
  wnd::Bitmap bitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap.get(), sizeof info, &info)) {
    Caption(dc, x, y, L"bitmap " + std::to_wstring(id) + L" missing");
    return SIZE{0, 0};
  }
  HDC source = CreateCompatibleDC(dc);
  {
    wnd::SelectScope select(source, bitmap.get());
    const int width = info.bmWidth * scale, height = info.bmHeight * scale;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  DeleteDC(source);
  return SIZE{info.bmWidth * scale, info.bmHeight * scale};
}

SIZE DrawPng(HDC dc, UINT id, int x, int y, int scale) {
  const wnd::GdiplusImage image = wnd::GdiplusImage::FromResource(id, L"PNG");
  if (!image) {
    Caption(dc, x, y, L"PNG " + std::to_wstring(id) + L" missing");
    return SIZE{0, 0};
  }
  const int width = static_cast<int>(image.Width()) * scale;
  const int height = static_cast<int>(image.Height()) * scale;
  image.Draw(dc, x, y, width, height);
  return SIZE{width, height};
}

void DrawIcon(HDC dc, UINT id, int x, int y, int size) {
  const auto icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
  if (!icon) return;
  DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
  DestroyIcon(icon);
}

void DrawCursor(HDC dc, UINT id, int x, int y) {
  const auto cursor = static_cast<HCURSOR>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  if (!cursor) return;
  DrawIconEx(dc, x, y, cursor, 0, 0, 0, nullptr, DI_NORMAL);
  DestroyCursor(cursor);
}

}  // namespace gallery
