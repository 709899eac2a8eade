// The time of day of a moment as the user's locale writes it, for the console's progress text.
#pragma once

#include <cstdint>
#include <string>

namespace xr::cli {

// `seconds` since 1970-01-01 00:00 UTC as local time, in the "%X" form of the C library's LC_TIME
// category (the program sets it from the environment at start); UTF-8. Empty when the moment
// cannot be converted. Not for concurrent use: the C library's conversion shares one buffer.
std::string LocalTimeOfDay(std::int64_t seconds);

}  // namespace xr::cli
