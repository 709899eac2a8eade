// The transparent label: no ground of its own, and a new text repaints what lies under the old.
#include "controls/vantor_transparent_static.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/gui_test.h"

namespace {

TEST(VantorTransparentStatic, NewTextRepaintsTheParentUnderTheLabelFirst) {
  xr::test::StartGui();
  xr::test::HostWindow host;
  std::vector<RECT> repaints;
  host.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_PAINT) {
      RECT update{};
      GetUpdateRect(host.hwnd(), &update, FALSE);
      repaints.push_back(update);
    }
    return false;
  };
  CVantorTransparentStatic label;
  ASSERT_TRUE(label.Create(host.hwnd(), L"", WS_VISIBLE, RECT{20, 30, 220, 50}, 1003));
  xr::test::PumpPending();
  SetWindowTextW(label.hwnd(), L"Tandrel xlsx Repair v1.0, a rather long line");
  repaints.clear();
  SetWindowTextW(label.hwnd(), L"short");
  ASSERT_FALSE(repaints.empty()) << "the parent is repainted before the call returns";
  RECT covered{};
  for (const RECT& r : repaints) UnionRect(&covered, &covered, &r);
  RECT both{};
  const RECT labelRect{20, 30, 220, 50};
  IntersectRect(&both, &covered, &labelRect);
  EXPECT_TRUE(EqualRect(&both, &labelRect)) << "the whole area under the label is repainted";
  EXPECT_EQ(label.Text(), L"short");
}

TEST(VantorTransparentStatic, DrawsOnlyItsText) {
  xr::test::StartGui();
  xr::test::HostWindow host;
  CVantorTransparentStatic label;
  ASSERT_TRUE(
      label.Create(host.hwnd(), L"About\nTandrel", WS_VISIBLE, RECT{20, 30, 220, 80}, 1003));
  const COLORREF magenta = RGB(255, 0, 255);
  const xr::test::Pixels pixels(label.hwnd(), magenta);
  const RECT all{0, 0, pixels.width(), pixels.height()};
  const int ink = pixels.CountOther(all, magenta);
  EXPECT_GT(ink, 0) << "the text is drawn";
  EXPECT_LT(ink, pixels.width() * pixels.height() / 4) << "the ground under the text stays";
  const RECT bounds = pixels.BoundsOfOther(magenta);
  EXPECT_GT(bounds.bottom - bounds.top, 20) << "a line feed starts a second line";
}

}  // namespace
