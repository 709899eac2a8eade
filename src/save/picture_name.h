// Which files of a repaired package count as pictures: decided by the name alone.
#pragma once

#include <string_view>

namespace xr::save {

// True when the extension of the file's own name (the text after its last ".") is jpg, bmp, png,
// gif, emf or jpeg, ignoring the case of A to Z only. `name` is UTF-8; any folder part in front of
// it is ignored. A name without "." has no extension; ".png" alone is a picture.
bool IsPictureName(std::string_view name);

}  // namespace xr::save
