// When a piece of work will end, judged from the average pace seen since its first visible
// progress. Shared by the Windows progress bar and the command line's progress line; the clock is
// injected so that tests can hold time still.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace xr::engine {

// Wall-clock time in whole seconds since 1970-01-01 00:00 UTC.
using WallClock = std::function<std::int64_t()>;

// The C library's clock (time()).
std::int64_t SystemWallClock();

// The estimate is recomputed whenever the progress is shown, not by a timer: every Update takes
// the time anew, so while progress stands still the expected end moves later.
class CompletionEstimate {
 public:
  explicit CompletionEstimate(WallClock clock = SystemWallClock);

  // Starts a new measurement: the fraction becomes 0 and the start, the remaining time and the
  // expected end become invalid until the next Update with positive progress.
  void Reset();

  // Takes `fraction` (position / upper bound) as shown now. A fraction that is not greater than 0,
  // NaN included, only records the fraction. The first positive one fixes the start time, so the
  // time spent on the first step is not counted although that step's share is.
  void Update(double fraction);

  double Fraction() const { return fraction_; }
  bool HasEstimate() const { return remainingValid_; }
  bool HasStart() const { return startValid_; }
  std::int64_t StartTime() const { return start_; }
  // The expected end, to the nearest second; meaningful only while HasEstimate().
  std::int64_t EstimatedCompletion() const;
  // Seconds still expected; meaningful only while HasEstimate().
  double RemainingSeconds() const { return remaining_; }

 private:
  WallClock clock_;
  double fraction_ = 0.0;
  std::int64_t start_ = 0;
  bool startValid_ = false;
  double completion_ = 0.0;  // seconds since the epoch, not rounded
  bool completionValid_ = false;
  double remaining_ = 0.0;
  bool remainingValid_ = false;
};

// "%.2f%% complete. Estimated completion: %s" with fraction x 100 and the time of day as the
// caller's locale writes it.
std::string ProgressText(double fraction, std::string_view timeOfDay);

}  // namespace xr::engine
