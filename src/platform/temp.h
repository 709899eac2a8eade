// The system's temporary folder and unique temporary files in it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/error.h"

namespace xr::platform {

using Path = std::filesystem::path;

// GetTempPathW on Windows (ends with a backslash); TMPDIR or /tmp on POSIX.
Path TempFolder();

// Creates a new, empty file with a unique name in `folder` whose name starts with `prefix`
// (GetTempFileNameW: prefix, hexadecimal digits, ".tmp") and returns its path.
std::optional<Path> MakeTempFile(const Path& folder, const std::string& prefix,
                                 ErrorCode* error = nullptr);

}  // namespace xr::platform
