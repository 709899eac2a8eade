// Time conversions by calendar arithmetic, matching what the Windows calls compute.
#include <ctime>

#include "platform/clock.h"

namespace xr::platform {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kEpochDifference = 11'644'473'600LL;  // seconds from 1601 to 1970

// Days since 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

}  // namespace

std::int64_t LocalMinusUtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{}, utc{};
  localtime_r(&now, &local);
  gmtime_r(&now, &utc);
  // Read both broken-down times as if they were UTC; their difference is the offset.
  return (static_cast<std::int64_t>(timegm(&local)) - static_cast<std::int64_t>(timegm(&utc))) *
         kTicksPerSecond;
}

bool ToCalendar(std::int64_t ticks, CalendarTime& out) {
  if (ticks < 0) return false;  // FileTimeToSystemTime refuses negative times
  const std::int64_t seconds = ticks / kTicksPerSecond - kEpochDifference;
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CivilFromDays(days, out.year, out.month, out.day);
  if (out.year > 30827) return false;
  out.hour = static_cast<int>(rest / 3600);
  out.minute = static_cast<int>(rest / 60 % 60);
  out.second = static_cast<int>(rest % 60);
  out.milliseconds = static_cast<int>(ticks % kTicksPerSecond / 10000);
  return true;
}

bool ToDosDateTime(std::int64_t ticks, std::uint16_t& date, std::uint16_t& time) {
  CalendarTime c;
  if (!ToCalendar(ticks, c) || c.year < 1980 || c.year > 2107) return false;
  date = static_cast<std::uint16_t>(((c.year - 1980) << 9) | (c.month << 5) | c.day);
  time = static_cast<std::uint16_t>((c.hour << 11) | (c.minute << 5) | (c.second / 2));
  return true;
}

}  // namespace xr::platform
