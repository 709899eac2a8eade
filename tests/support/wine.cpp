#include "support/wine.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace xr::test {

bool RunningUnderWine() {
#ifdef _WIN32
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace xr::test
