// The look-drawn picture button: tooltip, click, and where picture and caption go.
#include "framework/image_button.h"

#include <gtest/gtest.h>

#include "framework/look.h"
#include "support/gui_test.h"
#include "support/scratch_folder.h"

namespace {

constexpr UINT kButtonId = 2;

bool IsInk(COLORREF c) {  // dark enough to be caption text, not the light face
  return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 160;
}

TEST(ImageButton, TooltipAndClickReachTheirReceivers) {
  xr::test::StartGui();
  xr::test::HostWindow host;
  int clicks = 0;
  host.onMessage = [&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED)
      ++clicks;
    return false;
  };
  wnd::ImageButton button;
  ASSERT_TRUE(button.Create(host.hwnd(), L"Select files", RECT{10, 10, 110, 38}, kButtonId));
  button.SetTooltip(L"Select file(s)");
  EXPECT_EQ(button.Tooltip(), L"Select file(s)");
  button.SetTooltip(L"Select file(s) again");
  EXPECT_EQ(button.Tooltip(), L"Select file(s) again");
  EXPECT_EQ(button.toolTip().ToolCount(), 1) << "a new text replaces the tool's text";

  button.Send(BM_CLICK);
  xr::test::PumpPending();
  EXPECT_EQ(clicks, 1);
}

TEST(ImageButton, DrawsItsPictureLeftOfTheCaption) {
  xr::test::StartGui();
  wnd::SelectLook(wnd::kLookBlue);
  xr::test::ScratchFolder scratch;
  const std::wstring picture = (scratch / "red.png").wstring();
  ASSERT_TRUE(xr::test::WritePicture(picture, L"image/png", 16, 16, [](HDC dc) {
    xr::test::Fill(dc, RECT{0, 0, 16, 16}, RGB(255, 0, 0));
  }));
  xr::test::HostWindow host;
  {
    wnd::ImageButton button;
    ASSERT_TRUE(button.Create(host.hwnd(), L"Select files", RECT{10, 10, 130, 38}, kButtonId));
    button.SetImage(wnd::GdiplusImage::FromFile(picture));
    ASSERT_TRUE(button.HasImage());

    const xr::test::Pixels enabled(button.hwnd());
    RECT red{enabled.width(), enabled.height(), 0, 0};
    int inkLeft = enabled.width(), inkRight = -1;
    for (int y = 3; y < enabled.height() - 3; ++y) {
      for (int x = 3; x < enabled.width() - 3; ++x) {
        const COLORREF c = enabled.at(x, y);
        if (c == RGB(255, 0, 0)) {
          red.left = std::min<LONG>(red.left, x);
          red.top = std::min<LONG>(red.top, y);
          red.right = std::max<LONG>(red.right, x + 1);
          red.bottom = std::max<LONG>(red.bottom, y + 1);
        } else if (IsInk(c)) {
          inkLeft = std::min(inkLeft, x);
          inkRight = std::max(inkRight, x);
        }
      }
    }
    EXPECT_EQ(red.right - red.left, 16) << "the picture keeps its size";
    EXPECT_EQ(red.bottom - red.top, 16);
    EXPECT_EQ(red.top, (28 - 16) / 2) << "centred from top to bottom";
    ASSERT_GE(inkRight, 0) << "the caption must be drawn";
    EXPECT_GT(inkLeft, red.right) << "the caption starts right of the picture";

    button.Enable(false);
    const xr::test::Pixels disabled(button.hwnd());
    EXPECT_EQ(disabled.CountOther(RECT{red.left, red.top, red.right, red.bottom}, RGB(255, 0, 0)),
              16 * 16)
        << "a disabled button shows its picture without colour";
  }
}

}  // namespace
