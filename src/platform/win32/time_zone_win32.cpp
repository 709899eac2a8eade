// Time-zone settings through the Microsoft C runtime, which reads TZ or the system's zone.
#include <time.h>

#include "platform/time_zone.h"

namespace xr::platform {

void ReloadTimeZone() { ::_tzset(); }

}  // namespace xr::platform
