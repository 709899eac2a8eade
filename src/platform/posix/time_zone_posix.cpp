// Time-zone settings through the POSIX C library.
#include <time.h>

#include "platform/time_zone.h"

namespace xr::platform {

void ReloadTimeZone() { ::tzset(); }

}  // namespace xr::platform
