// Turns the salvaged entries of one source file into files under its file folder: stored entries
// are copied, deflated ones raw-inflated through a temporary "OPC" file, then the package's
// [Content_Types].xml is fixed up.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/job_window.h"
#include "engine/salvaged_entry.h"
#include "engine/temp_file_cleaner.h"
#include "platform/file.h"

namespace xr::engine {

// Extracts every entry in list order, driving the file progress bar, then runs the content-types
// fix-up. False when the list is empty (nothing else happens then), true otherwise, whatever
// became of the single entries. The run flag is not read: a scanned file is always finished.
bool ExtractEntries(const platform::Path& fileFolder, const std::string& sourcePath,
                    const SalvagedEntryList& entries, JobWindow& window);

// Creates the folders the entry path needs below `fileFolder` and gives back the entry's output
// path; nothing when the path is refused (see SafeEntryComponents). A folder that cannot be
// created is reported with the system's text, and the remaining folders are still tried.
std::optional<platform::Path> MakeEntryFolders(const platform::Path& fileFolder,
                                               std::string_view entryPath, JobWindow& window);

// Writes the entry's output file, or nothing when it cannot be salvaged. Stored when both sizes
// are non-zero and equal (copied; data cut short by the end of the source is written as far as
// it goes), otherwise inflated to exactly uncompressedSize bytes or not written at all.
// The temporary file of a deflated entry is deleted before the call returns, or handed to
// `cleaner` when one is given.
void ExtractEntry(const SalvagedEntry& entry, const std::string& sourcePath,
                  const platform::Path& outputPath, TempFileCleaner* cleaner = nullptr);

}  // namespace xr::engine
