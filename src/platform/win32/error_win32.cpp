// Error codes are GetLastError values; their text comes from the system message table.
#include <windows.h>

#include "platform/error.h"
#include "platform/text.h"

namespace xr::platform {

ErrorCode LastError() { return GetLastError(); }

std::string ErrorText(ErrorCode code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0,
      nullptr);
  std::string result = n ? Narrow(std::wstring_view(text, n)) : std::string();
  if (text) LocalFree(text);
  return result;
}

}  // namespace xr::platform
