// Progress within the bars' 16-bit range: counts above 65535 are scaled, smaller ones are not.
#include "engine/scaled_progress.h"

#include <gtest/gtest.h>

#include "support/recording_job_window.h"

namespace xr::engine {
namespace {

std::uint32_t PositionOf(const std::string& call) {
  return static_cast<std::uint32_t>(std::stoul(call.substr(call.rfind(' ') + 1)));
}

TEST(ScaledProgress, KeepsEveryPositionWithinSixteenBits) {
  for (const std::uint64_t count : {3ull, 65535ull, 65536ull, 70000ull, 5'000'000ull}) {
    test::RecordingJobWindow window;
    ScaledProgress progress(window, ProgressBar::File);
    progress.Reset(count);
    for (std::uint64_t i = 0; i <= count; ++i) progress.Set(i);

    const std::uint32_t bound = PositionOf(window.calls.front());
    EXPECT_EQ(bound, std::min<std::uint64_t>(count, 65535)) << count;
    const auto sets = window.CallsStartingWith("SetProgress File");
    if (count <= 65535) {
      EXPECT_EQ(sets.size(), count + 1) << "one call per step";
    }
    EXPECT_LE(sets.size(), 65536u) << count;
    std::uint32_t last = 0;
    for (const auto& call : sets) {
      EXPECT_GE(PositionOf(call), last) << count;
      last = PositionOf(call);
    }
    EXPECT_EQ(last, bound) << "the bar ends full for " << count;
  }
}

}  // namespace
}  // namespace xr::engine
