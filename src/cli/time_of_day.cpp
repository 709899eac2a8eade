// Local time of day. Windows' C library writes narrow text in the ANSI code page, so there the
// wide form is taken and turned into UTF-8; elsewhere the narrow form already is the locale's
// (UTF-8) text.
#include "cli/time_of_day.h"

#include <ctime>
#include <cwchar>

#include "platform/text.h"

namespace xr::cli {

std::string LocalTimeOfDay(std::int64_t seconds) {
  const std::time_t moment = static_cast<std::time_t>(seconds);
  const std::tm* local = std::localtime(&moment);
  if (!local) return {};
  if constexpr (sizeof(wchar_t) == 2) {
    wchar_t text[128];
    const std::size_t length = std::wcsftime(text, 128, L"%X", local);
    return platform::Narrow(std::wstring_view(text, length));
  } else {
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%X", local);
    return std::string(text, length);
  }
}

}  // namespace xr::cli
