// What File does the same way on every system, on top of its backend: ownership of the handle,
// reading in full, copying through a buffer.
#include "platform/file.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace xr::platform {

File::~File() { Close(); }

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, kInvalid)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kInvalid);
  }
  return *this;
}

std::size_t File::ReadFull(void* buffer, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const auto n = Read(bytes + done, size - done);
    if (!n || *n == 0) break;
    done += *n;
  }
  return done;
}

std::uint64_t File::CopyThroughBuffer(File& from, std::uint64_t count, bool& failed) {
  constexpr std::size_t kPiece = 128 * 1024;
  auto piece = std::make_unique_for_overwrite<unsigned char[]>(kPiece);
  failed = false;
  std::uint64_t copied = 0;
  while (copied < count) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(count - copied, kPiece));
    const auto got = from.Read(piece.get(), want);
    if (!got || (*got > 0 && !Write(piece.get(), *got))) {
      failed = true;
      break;
    }
    if (*got == 0) break;  // the end of `from`
    copied += *got;
  }
  return copied;
}

}  // namespace xr::platform
