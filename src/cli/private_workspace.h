// A fresh workspace root of the command line's own, so a console run never touches the window's
// "XlsxTemp" workspace (which the window clears whenever it starts a repair).
#pragma once

#include <optional>

#include "platform/file.h"

namespace xr::cli {

// Creates a new, empty folder "xlsx-repair-" + random hexadecimal digits in the system temporary
// folder; nothing when none could be created.
std::optional<platform::Path> MakePrivateWorkspace();

}  // namespace xr::cli
