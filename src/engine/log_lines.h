// The lines of the activity log that a repair run writes, byte for byte. `path` is the source
// file's full path as listed; every line ends with "\r\n".
#pragma once

#include <string>
#include <string_view>

namespace xr::engine {

// The product's support address, quoted by the two extraction-failed lines.
inline constexpr std::string_view kSupportAddress = "support@tandrel.com";

// Per file, in the order a run writes them. A scanned file: opened, extracted, closed; then either
// preview available, repaired (green) and the star line, or nothing salvaged. A file that cannot
// be opened: cannot open, alone. Each file the run did not reach after a stop: stopped before the
// file, not repaired (red), the star line. At the end of the run: completed, the underscore line.
std::string LogFileOpened(std::string_view path);
std::string LogFileExtracted(std::string_view path);
std::string LogFileClosed(std::string_view path);
std::string LogCannotOpen(std::string_view path);
std::string LogNothingSalvaged(std::string_view path);
std::string LogPreviewAvailable(std::string_view path);
std::string LogRepaired(std::string_view path);
std::string LogStarLine();  // 85 asterisks
std::string LogStoppedBeforeFile(std::string_view path);
std::string LogNotRepaired(std::string_view path);
std::string LogRunCompleted();
std::string LogUnderscoreLine();  // 64 underscores and an empty line

}  // namespace xr::engine
