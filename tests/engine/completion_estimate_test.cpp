// The completion estimate with a clock the test moves by hand.
#include "engine/completion_estimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace xr::engine {
namespace {

constexpr std::int64_t kTen = 1'800'000'000;  // an arbitrary moment; only differences matter

struct ManualClock {
  std::int64_t now = kTen;
  WallClock Function() {
    return [this] { return now; };
  }
};

TEST(CompletionEstimate, NothingIsEstimatedBeforePositiveProgress) {
  ManualClock clock;
  CompletionEstimate estimate(clock.Function());
  EXPECT_FALSE(estimate.HasEstimate());
  for (double fraction : {0.0, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
    estimate.Update(fraction);
    EXPECT_FALSE(estimate.HasEstimate()) << "fraction " << fraction;
    EXPECT_FALSE(estimate.HasStart()) << "fraction " << fraction;
  }
}

TEST(CompletionEstimate, FollowsTheAveragePaceOfOneRun) {
  // Position p of 4, shown at the given second after the first visible progress.
  struct Step {
    int position;
    std::int64_t shownAt;
    std::int64_t expectedEnd;
    double expectedRemaining;
  };
  const Step steps[] = {
      {1, 0, 0, 0.0},     // the start is taken here: elapsed 0, so the end is now
      {2, 30, 60, 30.0},  // half done after 30 s: 60 s in all
      {3, 60, 80, 20.0},  // three quarters after 60 s: 80 s in all
      {4, 70, 70, 0.0},   // done: the end is the moment of this display
  };
  ManualClock clock;
  CompletionEstimate estimate(clock.Function());
  for (const Step& step : steps) {
    clock.now = kTen + step.shownAt;
    estimate.Update(step.position / 4.0);
    ASSERT_TRUE(estimate.HasEstimate()) << "position " << step.position;
    EXPECT_EQ(estimate.StartTime(), kTen) << "position " << step.position;
    EXPECT_EQ(estimate.EstimatedCompletion(), kTen + step.expectedEnd)
        << "position " << step.position;
    EXPECT_DOUBLE_EQ(estimate.RemainingSeconds(), step.expectedRemaining)
        << "position " << step.position;
  }
}

TEST(CompletionEstimate, StandingStillMovesTheEndLater) {
  ManualClock clock;
  CompletionEstimate estimate(clock.Function());
  estimate.Update(0.25);
  clock.now += 10;
  estimate.Update(0.25);
  const std::int64_t first = estimate.EstimatedCompletion();
  clock.now += 5;
  estimate.Update(0.25);
  EXPECT_EQ(estimate.EstimatedCompletion(), first + 20)
      << "5 s more at a quarter is 20 s more in all";
}

TEST(CompletionEstimate, ResetStartsANewMeasurement) {
  ManualClock clock;
  CompletionEstimate estimate(clock.Function());
  estimate.Update(0.5);
  clock.now += 100;
  estimate.Reset();
  EXPECT_FALSE(estimate.HasEstimate());
  EXPECT_FALSE(estimate.HasStart());
  EXPECT_EQ(estimate.Fraction(), 0.0);

  estimate.Update(0.0);  // an empty bar after the reset takes no start
  EXPECT_FALSE(estimate.HasStart());
  clock.now += 7;
  estimate.Update(0.1);
  EXPECT_EQ(estimate.StartTime(), kTen + 107) << "the new run measures from its own first progress";
  EXPECT_EQ(estimate.EstimatedCompletion(), kTen + 107);
}

TEST(CompletionEstimate, RoundsTheEndToTheNearestSecond) {
  ManualClock clock;
  CompletionEstimate estimate(clock.Function());
  estimate.Update(0.3);
  clock.now += 10;
  estimate.Update(0.3);  // 33.3 s in all
  EXPECT_EQ(estimate.EstimatedCompletion(), kTen + 33);
  clock.now += 1;
  estimate.Update(0.3);  // 36.7 s in all
  EXPECT_EQ(estimate.EstimatedCompletion(), kTen + 37);
}

TEST(ProgressText, WritesThePercentageWithTwoDecimals) {
  const struct {
    double fraction;
    const char* expected;
  } cases[] = {
      {0.25, "25.00% complete. Estimated completion: 10:00:05"},
      {1.0 / 3.0, "33.33% complete. Estimated completion: 10:00:05"},
      {2.0 / 3.0, "66.67% complete. Estimated completion: 10:00:05"},
      {1.0, "100.00% complete. Estimated completion: 10:00:05"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressText(c.fraction, "10:00:05"), c.expected);
}

}  // namespace
}  // namespace xr::engine
