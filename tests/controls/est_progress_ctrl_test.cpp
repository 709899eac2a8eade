// The estimating progress bar with a clock the test holds: texts at several positions, the
// filled part, and the empty cases.
#include "controls/est_progress_ctrl.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "support/gui_test.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 40;

// Today at 10:00:05 local time, in seconds since the epoch.
std::int64_t TenOhFive() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  local.tm_hour = 10;
  local.tm_min = 0;
  local.tm_sec = 5;
  local.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&local));
}

class EstProgressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xr::test::StartGui();
    ASSERT_TRUE(bar.Create(host.hwnd(), WS_VISIBLE | PBS_SMOOTH,
                           RECT{10, 10, 10 + kWidth, 10 + kHeight}, 18));
  }
  // A paint, as the window system would ask for one; returns what it drew.
  xr::test::Pixels Paint() { return xr::test::Pixels(bar.hwnd()); }
  void Run(WORD upper, int position, std::int64_t at) {
    now = at;
    bar.SetRange(0, upper);
    bar.SetPosition(position);
  }

  xr::test::HostWindow host;
  std::int64_t now = 0;
  CEstProgressCtrl bar{[this] { return now; }};
};

bool StartsWith(const std::wstring& text, const std::wstring& head) {
  return text.compare(0, head.size(), head) == 0;
}

TEST_F(EstProgressTest, TextAtSeveralPositionsOfOneRun) {
  const std::int64_t start = TenOhFive();
  const struct {
    int position;
    std::int64_t shownAt;
    const wchar_t* percent;
    const wchar_t* clock;
  } steps[] = {
      {1, 0, L"25.00% complete. Estimated completion: ", L"10:00:05"},    // the start: now
      {2, 30, L"50.00% complete. Estimated completion: ", L"10:01:05"},   // 30 s for half
      {4, 40, L"100.00% complete. Estimated completion: ", L"10:00:45"},  // done: the moment itself
  };
  bar.ResetEstimate();
  for (const auto& step : steps) {
    Run(4, step.position, start + step.shownAt);
    Paint();
    const std::wstring text = bar.GetProgressText();
    EXPECT_TRUE(StartsWith(text, step.percent)) << "position " << step.position;
    EXPECT_NE(text.find(step.clock), std::wstring::npos)
        << "position " << step.position << ": expected " << step.clock << " in the locale's format";
  }
}

TEST_F(EstProgressTest, OneThirdReads3333AndStandingStillMovesTheEndLater) {
  const std::int64_t start = TenOhFive();
  bar.ResetEstimate();
  Run(3, 1, start);
  Paint();
  EXPECT_TRUE(StartsWith(bar.GetProgressText(), L"33.33% complete. "));
  now = start + 10;
  Paint();  // uncovered, no change of position
  EXPECT_NE(bar.GetProgressText().find(L"10:00:35"), std::wstring::npos)
      << "10 s for a third: 30 s in all from 10:00:05";
}

TEST_F(EstProgressTest, FillsTheShareOfItsWidthAndNothingMore) {
  bar.ResetEstimate();
  Run(4, 1, TenOhFive());
  const xr::test::Pixels pixels = Paint();
  const COLORREF filled = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF ground = GetSysColor(COLOR_BTNFACE);
  // The top row is clear of the centred text.
  EXPECT_EQ(pixels.at(0, 0), filled);
  EXPECT_EQ(pixels.at(kWidth / 4 - 1, 0), filled);
  EXPECT_EQ(pixels.at(kWidth / 4, 0), ground);
  EXPECT_EQ(pixels.at(kWidth - 1, 0), ground);
  // Text pixels come out neither filled nor ground colour.
  const RECT middle{0, kHeight / 2 - 4, kWidth, kHeight / 2 + 4};
  int text = 0;
  for (int y = middle.top; y < middle.bottom; ++y) {
    for (int x = 0; x < kWidth; ++x) text += pixels.at(x, y) != filled && pixels.at(x, y) != ground;
  }
  EXPECT_GT(text, 0) << "the text is drawn across the middle of the bar";
}

TEST_F(EstProgressTest, EmptyBarsShowNoText) {
  const COLORREF ground = GetSysColor(COLOR_BTNFACE);
  const struct {
    const char* name;
    WORD upper;
    int position;
  } cases[] = {{"position 0 of 4", 4, 0}, {"upper bound 0", 0, 0}};
  for (const auto& c : cases) {
    bar.ResetEstimate();
    Run(c.upper, c.position, TenOhFive());
    const xr::test::Pixels pixels = Paint();
    EXPECT_EQ(bar.GetProgressText(), L"") << c.name;
    EXPECT_EQ(pixels.CountOther(RECT{0, 0, kWidth, kHeight}, ground), 0)
        << c.name << ": a plain bar";
  }
}

TEST_F(EstProgressTest, ResetForgetsTheEarlierRun) {
  const std::int64_t start = TenOhFive();
  bar.ResetEstimate();
  Run(4, 2, start);
  Paint();
  ASSERT_FALSE(bar.GetProgressText().empty());
  bar.ResetEstimate();
  EXPECT_EQ(bar.GetProgressText(), L"") << "no text right after the reset";
  Run(10, 1, start + 100);
  Paint();
  EXPECT_NE(bar.GetProgressText().find(L"10:01:45"), std::wstring::npos)
      << "the new run starts its own clock at its first progress";
}

}  // namespace
