// Data resources built into the executable (RT_RCDATA on Windows, compiled-in bytes elsewhere).
#pragma once

#include <optional>
#include <string_view>

namespace xr::platform {

// The bytes of RCDATA resource `id` of the running executable, or nothing when it has none.
std::optional<std::string_view> FindDataResource(int id);

}  // namespace xr::platform
