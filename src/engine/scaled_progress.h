// Drives one of the window's progress bars, whose ranges are 16 bits wide: counts above 65535 are
// scaled down to 0..65535, and a scaled position that did not move is not sent again.
#pragma once

#include <cstdint>

#include "engine/job_window.h"

namespace xr::engine {

class ScaledProgress {
 public:
  static constexpr std::uint64_t kMaxBound = 65535;

  ScaledProgress(JobWindow& window, ProgressBar bar) : window_(window), bar_(bar) {}

  // ResetProgress with upper bound `count` (scaled).
  void Reset(std::uint64_t count);
  // SetProgress to `done` of `count`. Unscaled positions are always sent, as the window expects a
  // call per step; scaled ones only when they change.
  void Set(std::uint64_t done);

 private:
  std::uint32_t Scale(std::uint64_t done) const;

  JobWindow& window_;
  ProgressBar bar_;
  std::uint64_t count_ = 0;
  std::uint32_t last_ = 0;
  bool sent_ = false;
};

}  // namespace xr::engine
