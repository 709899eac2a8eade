// Progress positions within the bars' 16-bit range.
#include "engine/scaled_progress.h"

namespace xr::engine {

void ScaledProgress::Reset(std::uint64_t count) {
  count_ = count;
  sent_ = false;
  window_.ResetProgress(bar_, Scale(count));
}

void ScaledProgress::Set(std::uint64_t done) {
  const std::uint32_t position = Scale(done);
  if (count_ > kMaxBound && sent_ && position == last_) return;
  window_.SetProgress(bar_, position);
  last_ = position;
  sent_ = true;
}

std::uint32_t ScaledProgress::Scale(std::uint64_t done) const {
  if (count_ <= kMaxBound) return static_cast<std::uint32_t>(done);
  return static_cast<std::uint32_t>(done * kMaxBound / count_);  // count_ < 2^32, no overflow
}

}  // namespace xr::engine
