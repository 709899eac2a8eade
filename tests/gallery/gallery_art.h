// Drawing helpers of the gallery: the program's bitmaps, PNG images, icon and cursor, each with
// a caption naming its resource.
#pragma once

#include <windows.h>

#include <string>

namespace gallery {

inline constexpr COLORREF kWindowBackground = RGB(253, 225, 185);
inline constexpr COLORREF kInk = RGB(74, 42, 18);

// A bold caption in the gallery's ink.
void Caption(HDC dc, int x, int y, const std::wstring& text);

// Bitmap resource `id` at (x, y), scaled by `scale`; returns its drawn size (0 x 0 when missing).
SIZE DrawBitmap(HDC dc, UINT id, int x, int y, int scale = 1);
SIZE BitmapSize(UINT id);

// PNG resource `id` at (x, y) in its own size times `scale`, alpha kept.
SIZE DrawPng(HDC dc, UINT id, int x, int y, int scale = 1);

// Icon 128 or cursor 354 at `size` pixels.
void DrawIcon(HDC dc, UINT id, int x, int y, int size);
void DrawCursor(HDC dc, UINT id, int x, int y);

}  // namespace gallery
