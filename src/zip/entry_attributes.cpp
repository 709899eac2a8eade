// External attributes and the executable-image test.
#include "zip/entry_attributes.h"

#include <cstring>

namespace xr::zip {
namespace {

constexpr std::uint32_t kCopiedDosBits = platform::kAttrReadOnly | platform::kAttrHidden |
                                         platform::kAttrSystem | platform::kAttrDirectory |
                                         platform::kAttrArchive;
constexpr std::uint32_t kModeRegular = 0100000;
constexpr std::uint32_t kModeFolder = 040000;
constexpr std::uint32_t kModeOwnerRead = 0400;
constexpr std::uint32_t kModeOwnerWrite = 0200;
constexpr std::uint32_t kModeOwnerExecute = 0100;

bool ReadAt(platform::File& file, std::uint64_t offset, unsigned char* out, std::size_t size) {
  return file.Seek(offset) && file.ReadFull(out, size) == size;
}

}  // namespace

std::uint32_t ExternalAttributes(std::uint32_t dosAttributes, bool executableImage) {
  std::uint32_t mode = (dosAttributes & platform::kAttrDirectory) ? kModeFolder : kModeRegular;
  mode |= kModeOwnerRead;
  if (!(dosAttributes & platform::kAttrReadOnly)) mode |= kModeOwnerWrite;
  if (executableImage) mode |= kModeOwnerExecute;
  return (mode << 16) | (dosAttributes & kCopiedDosBits);
}

bool IsExecutableImage(platform::File& file, std::uint64_t size) {
  if (size <= 40) return false;
  unsigned char bytes[4];
  if (!ReadAt(file, 0, bytes, 2) || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  if (!ReadAt(file, 60, bytes, 4)) return false;
  const std::uint64_t p = static_cast<std::uint64_t>(bytes[0]) | (bytes[1] << 8) |
                          (bytes[2] << 16) | (static_cast<std::uint64_t>(bytes[3]) << 24);
  if (size <= p + 52) return false;
  if (!ReadAt(file, p, bytes, 4) || bytes[2] != 0 || bytes[3] != 0) return false;
  for (const char* magic : {"PE", "NE", "LE", "MZ"}) {
    if (std::memcmp(bytes, magic, 2) == 0) return true;
  }
  return false;
}

}  // namespace xr::zip
