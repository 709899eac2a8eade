// DOS and Unix times of an entry from the file's times.
#include "zip/entry_times.h"

#include <ctime>
#include <limits>

#include "platform/clock.h"

namespace xr::zip {
namespace {

constexpr std::uint16_t kDosDateFirst = (0 << 9) | (1 << 5) | 1;        // 1980-01-01
constexpr std::uint16_t kDosTimeFirst = 0;                              // 00:00:00
constexpr std::uint16_t kDosDateLast = (127 << 9) | (12 << 5) | 31;     // 2107-12-31
constexpr std::uint16_t kDosTimeLast = (23 << 11) | (59 << 5) | 29;     // 23:59:58

std::int64_t Shift(std::int64_t ticks, std::int64_t offset) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  if (offset > 0 && ticks > kMax - offset) return kMax;
  if (offset < 0 && ticks < kMin - offset) return kMin;
  return ticks + offset;
}

void DosDateTime(std::int64_t ticks, std::uint16_t& date, std::uint16_t& time) {
  // The range is checked here rather than trusted to the conversion: some implementations wrap
  // the 7-bit year instead of failing (Wine gives 1982 for 2110).
  platform::CalendarTime c;
  const bool known = platform::ToCalendar(ticks, c);
  if (known && c.year >= 1980 && c.year <= 2107 && platform::ToDosDateTime(ticks, date, time)) {
    return;
  }
  const bool late = known ? c.year > 2107 : ticks > 0;
  date = late ? kDosDateLast : kDosDateFirst;
  time = late ? kDosTimeLast : kDosTimeFirst;
}

std::int32_t UnixTime(std::int64_t ticks) {
  platform::CalendarTime c;
  if (!platform::ToCalendar(ticks, c)) {
    // Outside what the calendar conversion takes (before 1601 or far beyond 30000): midnight of
    // the nearer clamp date, as no time of day is known.
    c = {};
    c.year = ticks < 0 ? 1969 : 2038;
  }
  if (c.year < 1970) {
    c.year = 1970;
    c.month = 1;
    c.day = 1;
  } else if (c.year > 2037) {
    c.year = 2037;
    c.month = 12;
    c.day = 31;
  }
  std::tm fields{};
  fields.tm_year = c.year - 1900;
  fields.tm_mon = c.month - 1;
  fields.tm_mday = c.day;
  fields.tm_hour = c.hour;
  fields.tm_min = c.minute;
  fields.tm_sec = c.second;
  fields.tm_isdst = 0;
  // The clamped years keep the result within a signed 32-bit count for any zone offset.
  return static_cast<std::int32_t>(std::mktime(&fields));
}

}  // namespace

EntryTimes ComputeEntryTimes(const platform::FileTimes& times, std::int64_t localMinusUtc) {
  EntryTimes out;
  const std::int64_t lastWrite = Shift(times.lastWrite, localMinusUtc);
  DosDateTime(lastWrite, out.dosDate, out.dosTime);
  out.modified = UnixTime(lastWrite);
  out.accessed = UnixTime(Shift(times.lastAccess, localMinusUtc));
  out.created = UnixTime(Shift(times.creation, localMinusUtc));
  return out;
}

}  // namespace xr::zip
