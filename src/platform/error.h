// System error codes and the system's own words for them.
#pragma once

#include <cstdint>
#include <string>

namespace xr::platform {

// GetLastError() on Windows, errno on POSIX.
using ErrorCode = std::uint32_t;

ErrorCode LastError();

// The system's message text for an error code, UTF-8, as the system words it (FormatMessageW from
// the system table on Windows, strerror on POSIX). Ends with whatever line break the system gives.
std::string ErrorText(ErrorCode code);

}  // namespace xr::platform
