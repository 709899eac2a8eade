// What the browse command makes of the folder the user picked; the picker itself belongs to the
// window layer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xr::save {

// The text the destination box is to take for a picked path (UTF-8): the path without leading and
// trailing white space, or nothing when that is not an existing folder, in which case the box
// keeps what it had.
std::optional<std::string> PickedDestination(std::string_view picked);

}  // namespace xr::save
