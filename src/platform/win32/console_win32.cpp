// The Windows console: UTF-8 output code page and VT processing on standard error.
#include <windows.h>

#include "platform/console.h"

namespace xr::platform {

bool PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);  // no console (a pipe or a file): fails, and nothing is needed
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (error == INVALID_HANDLE_VALUE || !GetConsoleMode(error, &mode)) return false;  // not a console
  if (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) return true;
  return SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace xr::platform
