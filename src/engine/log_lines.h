// The lines of the activity log that a repair run writes, byte for byte. `path` is the source
// file's full path as listed; every line ends with "\r\n".
#pragma once

#include <string>
#include <string_view>

namespace xr::engine {

// The product's support address, quoted by the two extraction-failed lines.
inline constexpr std::string_view kSupportAddress = "support@tandrel.com";

std::string LogFileOpened(std::string_view path);         // L1
std::string LogFileExtracted(std::string_view path);      // L2
std::string LogFileClosed(std::string_view path);         // L3
std::string LogCannotOpen(std::string_view path);         // L4
std::string LogNothingSalvaged(std::string_view path);    // L5
std::string LogPreviewAvailable(std::string_view path);   // L6
std::string LogRepaired(std::string_view path);           // L7, green
std::string LogStarLine();                                // L8
std::string LogStoppedBeforeFile(std::string_view path);  // L9
std::string LogNotRepaired(std::string_view path);        // L10, red
std::string LogRunCompleted();                            // L11
std::string LogUnderscoreLine();                          // L12

}  // namespace xr::engine
