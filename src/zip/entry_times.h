// The times an entry carries: DOS date and time in the headers, and three Unix times in the
// extended timestamp field.
#pragma once

#include <cstdint>

#include "platform/file.h"

namespace xr::zip {

struct EntryTimes {
  std::uint16_t dosDate = 0;
  std::uint16_t dosTime = 0;
  std::int32_t modified = 0;
  std::int32_t accessed = 0;
  std::int32_t created = 0;
};

// `localMinusUtc` (ticks) is the offset in force when archiving; it shifts every file time
// whatever the season of that time. The DOS fields take the shifted last-write time, clamped to
// 1980-01-01 00:00:00 and 2107-12-31 23:59:58, the span DOS times hold. Each Unix time is the
// shifted time with its year clamped to 1970 (as 1 January) or 2037 (as 31 December), keeping the
// time of day, and read back as local standard time by std::mktime.
EntryTimes ComputeEntryTimes(const platform::FileTimes& times, std::int64_t localMinusUtc);

}  // namespace xr::zip
