// The C library's time-zone settings, which std::mktime and std::localtime follow.
#pragma once

namespace xr::platform {

// Reloads the time-zone settings (tzset), so that later conversions use the zone in force now
// rather than the one seen when the process first asked.
void ReloadTimeZone();

}  // namespace xr::platform
