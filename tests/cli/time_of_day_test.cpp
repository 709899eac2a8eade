// The time of day shown in the console's progress text.
#include "cli/time_of_day.h"

#include <gtest/gtest.h>

#include <regex>

namespace xr::cli {
namespace {

TEST(TimeOfDay, IsTheLocalClockTime) {
  const std::string text = LocalTimeOfDay(1700000000 + 37);
  ASSERT_TRUE(std::regex_match(text, std::regex("\\d\\d:\\d\\d:\\d\\d"))) << text;
  EXPECT_EQ(text.substr(6), "57") << "time zones move hours and minutes, not seconds";
}

}  // namespace
}  // namespace xr::cli
