// RCDATA resources of the running executable.
#include <windows.h>

#include "platform/resource.h"

namespace xr::platform {

std::optional<std::string_view> FindDataResource(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), size);
}

}  // namespace xr::platform
