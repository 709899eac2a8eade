// Time conversions through the system's own calls.
#include <windows.h>

#include "platform/clock.h"

namespace xr::platform {
namespace {

FILETIME FromTicks(std::int64_t ticks) {
  const auto value = static_cast<std::uint64_t>(ticks);
  return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

std::int64_t Ticks(const FILETIME& t) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime);
}

}  // namespace

std::int64_t LocalMinusUtcNow() {
  SYSTEMTIME local, utc;
  GetLocalTime(&local);
  GetSystemTime(&utc);
  FILETIME localTime, utcTime;
  if (!SystemTimeToFileTime(&local, &localTime) || !SystemTimeToFileTime(&utc, &utcTime)) return 0;
  // The two reads are a moment apart; the offset is a whole number of minutes.
  const std::int64_t minute = 600'000'000;
  const std::int64_t difference = Ticks(localTime) - Ticks(utcTime);
  return (difference >= 0 ? difference + minute / 2 : difference - minute / 2) / minute * minute;
}

bool ToCalendar(std::int64_t ticks, CalendarTime& out) {
  if (ticks < 0) return false;
  const FILETIME time = FromTicks(ticks);
  SYSTEMTIME s;
  if (!FileTimeToSystemTime(&time, &s)) return false;
  out = CalendarTime{s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds};
  return true;
}

bool ToDosDateTime(std::int64_t ticks, std::uint16_t& date, std::uint16_t& time) {
  // Some implementations of FileTimeToDosDateTime wrap years past 2107 instead of failing.
  CalendarTime calendar;
  if (!ToCalendar(ticks, calendar) || calendar.year < 1980 || calendar.year > 2107) return false;
  const FILETIME value = FromTicks(ticks);
  WORD dosDate = 0, dosTime = 0;
  if (!FileTimeToDosDateTime(&value, &dosDate, &dosTime)) return false;
  date = dosDate;
  time = dosTime;
  return true;
}

}  // namespace xr::platform
