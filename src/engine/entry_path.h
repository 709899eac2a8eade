// The relative path below a file folder at which a salvaged entry is written, made safe: whatever
// the damaged file stored, the result never names anything outside the file folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xr::engine {

// The folder components and file name of `entryPath` (backslash-separated), in order, each
// component's bytes as stored:
// - every colon is removed (so drive forms such as "C:" and alternate data streams vanish);
// - empty and "." components are dropped (so a leading backslash, a root or a doubled separator
//   adds nothing);
// - a path with a component made only of dots and blanks ("..", "...", ". .": names Windows
//   folds into "." or "..") or naming a Windows device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to
//   LPT9, with or without an extension) is refused, as is a path with no component left.
// The rule is the same on every platform, so a workbook repairs to the same tree everywhere.
std::optional<std::vector<std::string>> SafeEntryComponents(std::string_view entryPath);

}  // namespace xr::engine
