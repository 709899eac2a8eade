// Time conversions the ZIP writer needs: the local offset in force now, calendar fields and the
// DOS date and time of a file time. File times are 100 ns ticks since 1601-01-01 UTC.
#pragma once

#include <cstdint>

namespace xr::platform {

// Local time minus UTC at this moment, in ticks (GetLocalTime, GetSystemTime, SystemTimeToFileTime).
std::int64_t LocalMinusUtcNow();

struct CalendarTime {
  int year = 0;    // e.g. 2026
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

// FileTimeToSystemTime; false when the time cannot be converted.
bool ToCalendar(std::int64_t ticks, CalendarTime& out);

// FileTimeToDosDateTime; false outside what DOS times hold (1980 to 2107).
bool ToDosDateTime(std::int64_t ticks, std::uint16_t& date, std::uint16_t& time);

}  // namespace xr::platform
