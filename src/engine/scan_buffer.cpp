// The scanner's read buffer. A refill keeps the bytes it already has from the requested offset on
// and reads only what follows them, so a forward scan reads the file sequentially without seeking.
#include "engine/scan_buffer.h"

#include <algorithm>
#include <cstring>

namespace xr::engine {

ScanBuffer::ScanBuffer(platform::File& file, std::uint64_t length)
    : file_(file), length_(length), bytes_(kCapacity), readableEnd_(length) {}

std::span<const std::uint8_t> ScanBuffer::View(std::uint64_t offset, std::size_t want) {
  want = std::min(want, kCapacity);
  if (offset >= readableEnd_) return {};
  const std::uint64_t end = std::min<std::uint64_t>(offset + want, readableEnd_);
  const bool inside = offset >= start_ && end <= start_ + count_;
  if (!inside && !Refill(offset)) return {};
  const std::size_t at = static_cast<std::size_t>(offset - start_);
  const std::size_t have =
      std::min<std::size_t>(count_ - at, static_cast<std::size_t>(end - offset));
  return {bytes_.data() + at, have};
}

bool ScanBuffer::Refill(std::uint64_t offset) {
  std::size_t kept = 0;
  if (offset >= start_ && offset < start_ + count_) {
    kept = static_cast<std::size_t>(start_ + count_ - offset);
    std::memmove(bytes_.data(), bytes_.data() + (offset - start_), kept);
  }
  start_ = offset;
  count_ = kept;
  const std::uint64_t readFrom = offset + kept;
  const std::size_t room =
      static_cast<std::size_t>(std::min<std::uint64_t>(kCapacity - kept, readableEnd_ - readFrom));
  if (room > 0) {
    if (filePos_ != readFrom) {
      if (!file_.Seek(readFrom)) {
        readableEnd_ = readFrom;
        return count_ > 0;
      }
      filePos_ = readFrom;
    }
    const std::size_t got = file_.ReadFull(bytes_.data() + kept, room);
    filePos_ += got;
    count_ += got;
    // A short read before the length taken at the start means the file ended early or the
    // system failed to read; either way nothing after this point is trusted.
    if (got < room) readableEnd_ = readFrom + got;
  }
  return count_ > 0;
}

}  // namespace xr::engine
