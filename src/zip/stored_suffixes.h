// Which entries are stored rather than deflated: names that already denote compressed archives.
#pragma once

#include <array>
#include <string_view>

namespace xr::zip {

inline constexpr std::array<std::string_view, 8> StoredSuffixes = {
    ".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};

// True when everything from the name's last "." to its end equals one of StoredSuffixes,
// ignoring ASCII case. A name without a "." is deflated.
bool IsStoredName(std::string_view name);

}  // namespace xr::zip
