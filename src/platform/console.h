// The console the command line writes to: UTF-8 output, and whether standard error is a terminal
// that understands VT escape sequences (for the progress lines redrawn in place).
#pragma once

namespace xr::platform {

// Sets the console's output code page to UTF-8 (Windows; POSIX terminals take the bytes as they
// are) and switches on VT sequences for standard error where the console offers them. True when
// standard error is a terminal that will interpret them.
bool PrepareConsole();

}  // namespace xr::platform
