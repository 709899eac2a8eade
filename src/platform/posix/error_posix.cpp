// Error codes are errno values; their text is strerror's.
#include <cerrno>
#include <cstring>

#include "platform/error.h"

namespace xr::platform {

ErrorCode LastError() { return static_cast<ErrorCode>(errno); }

std::string ErrorText(ErrorCode code) {
  return std::string(std::strerror(static_cast<int>(code))) + "\n";
}

}  // namespace xr::platform
