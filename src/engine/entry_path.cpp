// Entry path components that stay inside the file folder.
#include "engine/entry_path.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace xr::engine {
namespace {

bool OnlyDotsAndBlanks(std::string_view component) {
  return std::all_of(component.begin(), component.end(),
                     [](char c) { return c == '.' || c == ' '; });
}

// Windows opens a device instead of a file for these base names, whatever the extension.
bool IsDeviceName(std::string_view component) {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  std::string upper(base);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  static constexpr std::array<std::string_view, 4> kNames = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kNames.begin(), kNames.end(), upper) != kNames.end()) return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::optional<std::vector<std::string>> SafeEntryComponents(std::string_view entryPath) {
  std::vector<std::string> components;
  std::string current;
  const auto finish = [&]() -> bool {
    if (current.empty() || current == ".") {
      current.clear();
      return true;
    }
    if (OnlyDotsAndBlanks(current) || IsDeviceName(current)) return false;
    components.push_back(std::move(current));
    current.clear();
    return true;
  };
  for (const char c : entryPath) {
    if (c == ':') continue;
    if (c == '\\') {
      if (!finish()) return std::nullopt;
      continue;
    }
    current += c;
  }
  if (!finish() || components.empty()) return std::nullopt;
  return components;
}

}  // namespace xr::engine
