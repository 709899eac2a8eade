// Texts of the repair run's log lines. Support staff and users' scripts match them byte for byte,
// so their spacing and spelling are fixed: do not tidy them.
#include "engine/log_lines.h"

namespace xr::engine {
namespace {

std::string Line(std::string_view path, std::string_view suffix) {
  std::string text;
  text.reserve(path.size() + suffix.size());
  text.append(path).append(suffix);
  return text;
}

}  // namespace

std::string LogFileOpened(std::string_view path) { return Line(path, " file is open....\r\n"); }

std::string LogFileExtracted(std::string_view path) {
  return Line(path, " file is extracted....\r\n");
}

std::string LogFileClosed(std::string_view path) { return Line(path, " file is closed....\r\n"); }

std::string LogCannotOpen(std::string_view path) {
  return Line(path, " extraction of file failed.Please contact at " + std::string(kSupportAddress) +
                        " for further assitance.\r\n");
}

std::string LogNothingSalvaged(std::string_view path) {
  return Line(path, " extraction of file failed. Please contact at " +
                        std::string(kSupportAddress) + " for further assitance.\r\n");
}

std::string LogPreviewAvailable(std::string_view path) {
  return Line(path, " preview of file is available....\r\n");
}

std::string LogRepaired(std::string_view path) { return Line(path, "  Repaired....\r\n"); }

std::string LogStarLine() { return std::string(85, '*') + "\r\n"; }

std::string LogStoppedBeforeFile(std::string_view path) {
  return Line(path, " file is not extracting as process has been stop by the user.... \r\n");
}

std::string LogNotRepaired(std::string_view path) { return Line(path, " not Repaired....\r\n"); }

std::string LogRunCompleted() { return "Repairing process completed....\r\n"; }

std::string LogUnderscoreLine() { return std::string(64, '_') + "\r\n\r\n"; }

}  // namespace xr::engine
