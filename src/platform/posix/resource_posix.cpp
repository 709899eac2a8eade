// Data resources compiled into the executable by the build (cmake/resources.cmake).
#include <string_view>
#include <utility>

#include "platform/resource.h"

namespace xr::platform {
namespace embedded {
extern const std::pair<int, std::string_view> kResources[];
}

std::optional<std::string_view> FindDataResource(int id) {
  for (const auto* r = embedded::kResources; r->first != 0; ++r) {
    if (r->first == id) return r->second;
  }
  return std::nullopt;
}

}  // namespace xr::platform
