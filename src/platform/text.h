// The crossing between UTF-8 text and the platform's own strings. Both directions are exact:
// bytes that are not valid UTF-8 survive a trip to a path and back unchanged, so entry names
// salvaged from a damaged file reach the saved archive byte for byte.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace xr::platform {

using Path = std::filesystem::path;

// UTF-8 to UTF-16. A byte that does not start a valid UTF-8 sequence becomes the lone surrogate
// U+DC00 + byte, so Narrow gives it back (the same rule as Python's "surrogateescape").
std::wstring Widen(std::string_view utf8);
// UTF-16 to UTF-8; U+DC80 to U+DCFF become single bytes again, other lone surrogates are kept in
// their three-byte form.
std::string Narrow(std::wstring_view utf16);

// Paths from and to UTF-8 (identity on POSIX, where names are bytes).
Path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const Path& path);

}  // namespace xr::platform
