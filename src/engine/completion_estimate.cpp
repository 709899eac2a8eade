// The completion estimate shared by the progress displays.
#include "engine/completion_estimate.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

namespace xr::engine {

std::int64_t SystemWallClock() { return static_cast<std::int64_t>(std::time(nullptr)); }

CompletionEstimate::CompletionEstimate(WallClock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = SystemWallClock;
}

void CompletionEstimate::Reset() {
  // The old values stay; only their validity goes, so nothing stale is ever shown.
  fraction_ = 0.0;
  startValid_ = false;
  completionValid_ = false;
  remainingValid_ = false;
}

void CompletionEstimate::Update(double fraction) {
  fraction_ = fraction;
  if (!(fraction > 0.0)) return;
  const std::int64_t now = clock_();
  if (!startValid_) {
    start_ = now;
    startValid_ = true;
  }
  const double elapsed = static_cast<double>(now - start_);
  const double total = elapsed / fraction;
  completion_ = static_cast<double>(start_) + total;
  completionValid_ = true;
  remaining_ = total - elapsed;
  remainingValid_ = true;
}

std::int64_t CompletionEstimate::EstimatedCompletion() const {
  return static_cast<std::int64_t>(std::llround(completion_));
}

std::string ProgressText(double fraction, std::string_view timeOfDay) {
  char percent[64];
  std::snprintf(percent, sizeof percent, "%.2f", fraction * 100.0);
  std::string text = percent;
  text += "% complete. Estimated completion: ";
  text += timeOfDay;
  return text;
}

}  // namespace xr::engine
