// One ZIP entry found by the salvage scanner, and the ordered list of them for the file being
// repaired.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xr::engine {

struct SalvagedEntry {
  std::uint32_t compressedSize = 0;    // the local header's, or the data descriptor's
  std::uint32_t uncompressedSize = 0;  // from the same place as compressedSize
  // The stored name's bytes as they are (UTF-8 when the writer used UTF-8, anything otherwise),
  // cut at the first zero byte and after kMaxEntryPathBytes, every '/' turned into '\\'.
  std::string entryPath;
  std::uint64_t dataOffset = 0;  // first data byte: after the header, the name and the extra field
};

inline constexpr std::size_t kMaxEntryPathBytes = 1023;

// In file order (increasing header offset); the same entryPath may appear more than once.
using SalvagedEntryList = std::vector<SalvagedEntry>;

}  // namespace xr::engine
