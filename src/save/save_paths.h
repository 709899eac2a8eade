// The names a save run derives from a listed source path: the file name, the archive and the media
// folder in the destination.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace xr::save {

// The part of a full path after its last separator: a backslash or a slash on Windows, a slash
// elsewhere (where a backslash is an ordinary character of a name).
std::string_view FileNamePart(std::string_view path);

// The destination with one separator appended unless it already ends with one.
std::string JoinedDestination(std::string_view destination);

// "TDRREP_" + file name, and file name + "_MediaContent".
std::string ArchiveName(std::string_view fileName);
std::string MediaFolderName(std::string_view fileName);

}  // namespace xr::save
