// Packs a folder tree into a new ZIP archive, one entry per file, in the folder search's order.
#pragma once

#include <filesystem>

namespace xr::zip {

struct PackResult {
  bool archiveCreated = false;  // the archive file could be created and was closed complete
  bool allFilesAdded = false;   // every file below the folder went in (false when the archive
                                // is not complete, or the folder is missing)
};

// Entry names are the files' paths below `folder`, as UTF-8 bytes with '/' between the parts.
// Folders never become entries, so empty folders leave no trace. A file that cannot be added
// (locked, unreadable, changing while read, a name past 259 bytes) is left out and the archive
// still completed; allFilesAdded then says so.
PackResult PackFolder(const std::filesystem::path& folder, const std::filesystem::path& archivePath);

}  // namespace xr::zip
