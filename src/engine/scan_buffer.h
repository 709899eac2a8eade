// Buffered reading of the source file for the salvage scanner: positions and lengths behave as on
// the file itself, but the bytes come from a 64 KiB buffer, so the scan issues one read per buffer
// instead of one per window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/file.h"

namespace xr::engine {

class ScanBuffer {
 public:
  static constexpr std::size_t kCapacity = 64 * 1024;

  // `length` is the file length taken when the scan began; nothing at or after it is ever read.
  ScanBuffer(platform::File& file, std::uint64_t length);

  std::uint64_t Length() const { return length_; }

  // The bytes from `offset` on, at most `want` (at most kCapacity) of them. Fewer come back at the
  // end of the file, or when the file ends early or fails to read (a file that shrank, a failing
  // disk); the span then holds only what was really read.
  std::span<const std::uint8_t> View(std::uint64_t offset, std::size_t want);

 private:
  bool Refill(std::uint64_t offset);

  platform::File& file_;
  std::uint64_t length_;
  std::vector<std::uint8_t> bytes_;
  std::uint64_t start_ = 0;    // file offset of bytes_[0]
  std::size_t count_ = 0;      // bytes of bytes_ that hold file data
  std::uint64_t filePos_ = 0;  // where the file's own position stands
  std::uint64_t readableEnd_;  // lowered when a read comes back short or fails
};

}  // namespace xr::engine
