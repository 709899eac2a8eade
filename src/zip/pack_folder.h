// Packs a folder tree into a new ZIP archive, one entry per file, in the folder search's order.
#pragma once

#include <filesystem>

namespace xr::zip {

struct PackResult {
  bool archiveCreated = false;  // the archive file could be created and was closed complete
  bool allFilesAdded = false;   // every file below the folder went in
};

PackResult PackFolder(const std::filesystem::path& folder, const std::filesystem::path& archivePath);

}  // namespace xr::zip
