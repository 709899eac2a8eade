// The frame's calls into the shell (opening a web page, a folder or the help file), the system's
// own message box and the executable's path, behind a seam: tests answer in place of calls that
// would start other programs or block a headless run. User-interface thread only.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace xr::ui {

// ShellExecuteW with the verb "open", no parameters and the normal show state; true when the
// shell reported success (a result above 32).
bool OpenWithShell(HWND owner, std::wstring_view target);

// MessageBoxW; returns the button pressed.
int ShowSystemMessage(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags);

// The full path of the process's executable file, whatever its length; empty when the system
// cannot tell it.
std::filesystem::path ExecutablePath();

// What stands in for the calls above; a member left empty keeps the system's call.
struct ShellCalls {
  std::function<bool(HWND owner, std::wstring_view target)> open;
  std::function<int(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags)>
      systemMessage;
  std::function<std::filesystem::path()> executablePath;
};

// Replaces the calls for as long as the object lives, then puts back what was there before.
class ScopedShellCalls {
 public:
  explicit ScopedShellCalls(ShellCalls replacement);
  ~ScopedShellCalls();
  ScopedShellCalls(const ScopedShellCalls&) = delete;
  ScopedShellCalls& operator=(const ScopedShellCalls&) = delete;

 private:
  ShellCalls previous_;
};

}  // namespace xr::ui
