// The system's temporary folder (GetTempPathW) and GetTempFileNameW's unique files.
#include <windows.h>

#include "platform/temp.h"
#include "platform/text.h"

namespace xr::platform {

Path TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  if (n == 0 || n > MAX_PATH) return Path(L".\\");
  return Path(std::wstring(buffer, n));
}

std::optional<Path> MakeTempFile(const Path& folder, const std::string& prefix, ErrorCode* error) {
  wchar_t name[MAX_PATH];
  if (GetTempFileNameW(folder.c_str(), Widen(prefix).c_str(), 0, name) == 0) {
    if (error) *error = GetLastError();
    return std::nullopt;
  }
  return Path(name);
}

}  // namespace xr::platform
