// POSIX terminals take UTF-8 and VT sequences as they are; only whether stderr is one matters.
#include <unistd.h>

#include "platform/console.h"

namespace xr::platform {

bool PrepareConsole() { return isatty(STDERR_FILENO) == 1; }

}  // namespace xr::platform
