// Path texts of a save run, built as strings so a trailing separator or a bare drive behaves the
// same way whatever std::filesystem would make of it.
#include "save/save_paths.h"

#include <filesystem>

namespace xr::save {
namespace {

constexpr bool kBackslashSeparates = std::filesystem::path::preferred_separator == '\\';

bool IsSeparator(char c) { return c == '/' || (kBackslashSeparates && c == '\\'); }

}  // namespace

std::string_view FileNamePart(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return path.substr(i);
  }
  return path;
}

std::string JoinedDestination(std::string_view destination) {
  std::string joined(destination);
  if (joined.empty() || !IsSeparator(joined.back())) {
    joined += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  return joined;
}

std::string ArchiveName(std::string_view fileName) { return "TDRREP_" + std::string(fileName); }

std::string MediaFolderName(std::string_view fileName) {
  return std::string(fileName) + "_MediaContent";
}

}  // namespace xr::save
