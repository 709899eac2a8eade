// Sets the C library's time zone (TZ) for the length of a test and restores the previous one.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/time_zone.h"

namespace xr::test {

class TimeZoneForTest {
 public:
  explicit TimeZoneForTest(const std::string& tz) {
    if (const char* old = std::getenv("TZ")) previous_ = old;
    Set(tz);
  }
  ~TimeZoneForTest() { Set(previous_.value_or("")); }
  TimeZoneForTest(const TimeZoneForTest&) = delete;
  TimeZoneForTest& operator=(const TimeZoneForTest&) = delete;

 private:
  static void Set(const std::string& tz) {
#ifdef _WIN32
    _putenv_s("TZ", tz.c_str());
#else
    if (tz.empty()) unsetenv("TZ");
    else setenv("TZ", tz.c_str(), 1);
#endif
    platform::ReloadTimeZone();
  }
  std::optional<std::string> previous_;
};

}  // namespace xr::test
