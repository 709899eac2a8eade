// External attributes of an entry: the DOS attribute byte and a Unix mode word above it.
#pragma once

#include <cstdint>

#include "platform/file.h"

namespace xr::zip {

// Low byte: the read-only, hidden, system, directory and archive bits of `dosAttributes`.
// Upper 16 bits: regular file (or folder) type, owner read, owner write unless read-only, owner
// execute for an executable image.
std::uint32_t ExternalAttributes(std::uint32_t dosAttributes, bool executableImage);

// An executable image: longer than 40 bytes, starts with "MZ", and the 32-bit offset p at byte 60
// points, with more than 52 bytes of file after it, at "PE", "NE", "LE" or "MZ" and two zero
// bytes. Reads through `file` and leaves its position anywhere; `size` is the file's size.
bool IsExecutableImage(platform::File& file, std::uint64_t size);

}  // namespace xr::zip
