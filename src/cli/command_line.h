// The xlsx-repair command: parses the arguments and runs the repair job (or the scan alone, with
// --list) over the named files through a console window, then, with --out, the save run.
#pragma once

#include <string>
#include <vector>

#include "cli/console.h"

namespace xr::cli {

// Every file was repaired (and saved, with --out), or listed with entries.
inline constexpr int kExitRepaired = 0;
// A file could not be opened, had nothing to salvage or could not be saved, or the run was stopped.
inline constexpr int kExitNotRepaired = 1;
// Wrong usage, a workspace that cannot be made, or a destination that is not a folder.
inline constexpr int kExitUsage = 2;

// `args` are the arguments after the program name, UTF-8. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, Console& console);

}  // namespace xr::cli
