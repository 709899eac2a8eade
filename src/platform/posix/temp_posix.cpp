// The temporary folder ($TMPDIR, else /tmp) and unique files in it.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/temp.h"

namespace xr::platform {

Path TempFolder() {
  const char* dir = std::getenv("TMPDIR");
  return Path(dir && *dir ? dir : "/tmp");
}

std::optional<Path> MakeTempFile(const Path& folder, const std::string& prefix, ErrorCode* error) {
  std::string pattern = (folder / (prefix + "XXXXXX")).native();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    if (error) *error = static_cast<ErrorCode>(errno);
    return std::nullopt;
  }
  ::close(fd);
  return Path(pattern);
}

}  // namespace xr::platform
