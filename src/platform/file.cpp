// What File does the same way on every system, on top of its backend's Read.
#include "platform/file.h"

namespace xr::platform {

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

}  // namespace xr::platform
