// The xlsx-repair command: parses the arguments and runs the repair job (or the scan alone, with
// --list) over the named files through a console window.
#pragma once

#include <string>
#include <vector>

#include "cli/console.h"

namespace xr::cli {

inline constexpr int kExitRepaired = 0;     // every file was repaired (or listed with entries)
inline constexpr int kExitNotRepaired = 1;  // a file could not be opened or had nothing to salvage
inline constexpr int kExitUsage = 2;        // wrong usage

// `args` are the arguments after the program name, UTF-8. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, Console& console);

}  // namespace xr::cli
