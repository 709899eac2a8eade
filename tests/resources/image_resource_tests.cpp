// The program's bitmaps, PNG images, icon and cursor: each loads through the call the program uses,
// has the size the window's layout is built for, and keeps the properties its drawing relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "resource.h"
#include "resource_reader.h"

namespace xr::resources_test {
namespace {

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kBackground{253, 225, 185};

bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}
bool Reddish(Rgb c) { return c.r > 180 && c.g < 110 && c.b < 110; }
bool Greenish(Rgb c) { return c.g > 120 && c.r < 110 && c.b < 140; }

struct BitmapCase {
  int id;
  int width;
  int height;
};

TEST(ResourceBitmaps, LoadWithTheSizesTheLayoutUses) {
  const BitmapCase cases[] = {
      {IDB_FOOTER_LEFT, 64, 62},     {IDB_FOOTER_STRIP, 820, 62},       {IDB_HEADER_STRETCH, 100, 72},
      {IDB_HEADER_BANNER, 842, 72},  {IDB_SPLASH, 460, 260},            {IDB_ABOUT_BACKGROUND, 360, 334},
      {IDB_MAKER_LOGO, 250, 50},     {IDB_LIST_ICONS, 60, 20},          {IDB_LIST_BACKGROUND, 850, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    HBITMAP plain = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id));
    ASSERT_NE(plain, nullptr) << "LoadBitmapW cannot load bitmap " << c.id;
    BITMAP info{};
    ASSERT_EQ(GetObjectW(plain, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, c.width);
    EXPECT_EQ(info.bmHeight, c.height);
    DeleteObject(plain);

    auto pixels = LoadBitmapPixels(c.id);
    ASSERT_TRUE(pixels) << "bitmap " << c.id << " does not load as a 24-bit DIB section";
    EXPECT_EQ(pixels->bitsPerPixel, 24);
  }
}

// The source list's image list takes three 20 by 20 cells from bitmap 351: index 0 stopped
// (red cross), 1 repaired (green tick), 2 listed (plain). The badge sits at the bottom right.
TEST(ResourceBitmaps, ListIconsHoldCrossTickAndPlainSheetInThatOrder) {
  auto icons = LoadBitmapPixels(IDB_LIST_ICONS);
  ASSERT_TRUE(icons);
  for (int cell = 0; cell < 3; ++cell) {
    SCOPED_TRACE(cell);
    const int x0 = cell * LIST_ICON_SIZE;
    EXPECT_EQ(icons->At(x0, 0), kMagenta) << "the cell's corner must be the mask colour";
    EXPECT_EQ(icons->At(x0 + 19, 0), kMagenta);
    EXPECT_NE(icons->At(x0 + 8, 4), kMagenta) << "the sheet must be opaque";
    int red = 0, green = 0;
    for (int y = 10; y < 20; ++y)
      for (int x = x0 + 10; x < x0 + 20; ++x) {
        red += Reddish(icons->At(x, y));
        green += Greenish(icons->At(x, y));
      }
    switch (cell) {
      case 0: EXPECT_GT(red, 25); EXPECT_LT(green, 5); break;
      case 1: EXPECT_GT(green, 25); EXPECT_LT(red, 5); break;
      case 2: EXPECT_LT(red, 5); EXPECT_LT(green, 12) << "the plain sheet carries no badge"; break;
    }
  }
}

// Magenta is cut away (image list mask, splash window region); a pixel that mixes a shape with
// magenta would stay and show as a pink fringe.
TEST(ResourceBitmaps, MaskedBitmapsHaveNoPinkFringe) {
  for (int id : {IDB_LIST_ICONS, IDB_SPLASH}) {
    SCOPED_TRACE(id);
    auto pixels = LoadBitmapPixels(id);
    ASSERT_TRUE(pixels);
    int fringe = 0, magenta = 0;
    for (const Rgb& c : pixels->rgb) {
      if (c == kMagenta) ++magenta;
      else if (c.r > 150 && c.b > 150 && c.g < c.r - 60 && c.g < c.b - 60) ++fringe;
    }
    EXPECT_GT(magenta, 0);
    EXPECT_EQ(fringe, 0);
  }
}

TEST(ResourceBitmaps, SplashCornersAreCutOutAndTheCardIsNot) {
  auto splash = LoadBitmapPixels(IDB_SPLASH);
  ASSERT_TRUE(splash);
  for (auto [x, y] : {std::pair{0, 0}, {459, 0}, {0, 259}, {459, 259}}) EXPECT_EQ(splash->At(x, y), kMagenta);
  for (auto [x, y] : {std::pair{230, 130}, {8, 130}, {451, 130}, {230, 2}, {230, 257}})
    EXPECT_NE(splash->At(x, y), kMagenta) << x << "," << y;
}

// Bitmap 315 is stretched over the banner from x = 400 to the window's right edge: both must have
// the same rows there, and 315 and the footer strip must change only from row to row, or the
// stretching shows a seam or smears a pattern.
TEST(ResourceBitmaps, StretchedBandsContinueWithoutSeam) {
  auto banner = LoadBitmapPixels(IDB_HEADER_BANNER);
  auto stretch = LoadBitmapPixels(IDB_HEADER_STRETCH);
  auto footer = LoadBitmapPixels(IDB_FOOTER_STRIP);
  auto footerLeft = LoadBitmapPixels(IDB_FOOTER_LEFT);
  ASSERT_TRUE(banner && stretch && footer && footerLeft);
  for (int y = 0; y < 72; ++y) {
    for (int x = 1; x < 100; ++x) ASSERT_TRUE(Near(stretch->At(x, y), stretch->At(0, y), 2)) << "315 row " << y;
    for (int x : {400, 420, 600, 841})
      ASSERT_TRUE(Near(banner->At(x, y), stretch->At(0, y), 6)) << "316 at " << x << "," << y;
  }
  for (int y = 0; y < 62; ++y) {
    for (int x = 1; x < 820; ++x) ASSERT_TRUE(Near(footer->At(x, y), footer->At(0, y), 2)) << "312 row " << y;
    ASSERT_TRUE(Near(footerLeft->At(0, y), footer->At(0, y), 6)) << "311 left edge, row " << y;
  }
  EXPECT_TRUE(Near(banner->At(10, 71), kBackground, 8)) << "the header ends in the window's background colour";
}

struct PngCase {
  int id;
  unsigned width;
  unsigned height;
};

TEST(ResourcePngImages, DecodeThroughGdiplusWithSizeAndTransparency) {
  const PngCase cases[] = {
      {IDB_PNG_SELECT_FILES, 20, 20}, {IDB_PNG_REPAIR_FILES, 20, 20}, {IDB_PNG_REMOVE_FILES, 20, 20},
      {IDB_PNG_STOP, 20, 20},         {IDB_PNG_EXIT, 20, 20},         {IDB_PNG_BROWSE, 20, 20},
      {IDB_PNG_SAVE, 20, 20},         {IDB_PNG_TOOLBAR, 336, 48},     {IDB_PNG_OK, 16, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    auto image = DecodePngResource(c.id);
    ASSERT_TRUE(image) << "GDI+ cannot decode PNG " << c.id;
    EXPECT_EQ(image->width, c.width);
    EXPECT_EQ(image->height, c.height);
    EXPECT_EQ(image->Alpha(0, 0), 0u) << "the corner must be transparent, not painted on a ground";
    EXPECT_EQ(image->Alpha(c.width / 2, c.height / 2), 255u) << "the middle must be drawn";
  }
}

TEST(ResourcePngImages, ToolbarStripHasOneDrawnCellPerButton) {
  auto strip = DecodePngResource(IDB_PNG_TOOLBAR);
  ASSERT_TRUE(strip);
  for (unsigned cell = 0; cell < 7; ++cell) {
    unsigned opaque = 0;
    for (unsigned y = 0; y < 48; ++y)
      for (unsigned x = cell * 48; x < cell * 48 + 48; ++x) opaque += strip->Alpha(x, y) == 255;
    EXPECT_GT(opaque, 48u * 48u / 4) << "toolbar cell " << cell << " is nearly empty";
    EXPECT_EQ(strip->Alpha(cell * 48, 0), 0u) << "toolbar cell " << cell;
  }
}

TEST(ResourceIcon, GroupHoldsTheUsualSizesInFullColour) {
  auto group = ResourceBytes(IDR_MAINFRAME, RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u);
  const unsigned count = group[4] | group[5] << 8;
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::set<int> sizes;
  for (unsigned i = 0; i < count; ++i) {
    const std::uint8_t* entry = group.data() + 6 + 14 * i;
    sizes.insert(entry[0] == 0 ? 256 : entry[0]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "entry " << i << " bit count";
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

TEST(ResourceIcon, LoadsAndDrawsAtEachSize) {
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dc && target && bits);
    HGDIOBJ old = SelectObject(dc, target);
    auto* px = static_cast<std::uint32_t*>(bits);
    std::fill(px, px + size * size, 0x00FF00FFu);
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();
    int drawn = 0;
    for (int i = 0; i < size * size; ++i) drawn += (px[i] & 0xFFFFFF) != 0xFF00FF;
    EXPECT_GT(drawn, size * size / 3) << "the icon draws almost nothing";
    EXPECT_LT(drawn, size * size) << "the icon has no transparent part";
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    DestroyIcon(icon);
  }
}

TEST(ResourceCursor, IsACursorWithItsHotSpotAtTheFingerTip) {
  HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 11u);
  EXPECT_EQ(info.yHotspot, 1u);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace xr::resources_test
