// Restores a package's [Content_Types].xml from the built-in template when the salvaged one is
// missing or shorter than the template.
#pragma once

#include "platform/file.h"

namespace xr::engine {

// RCDATA id of the 1304-byte template.
inline constexpr int kContentTypesResource = 363;

// Puts the template at `fileFolder`/[Content_Types].xml unless a file of at least the template's
// length is there (only the length counts, not the content). True when a suitable file is in place
// afterwards; false when the template resource is missing or the file cannot be written.
bool FixContentTypes(const platform::Path& fileFolder);

}  // namespace xr::engine
