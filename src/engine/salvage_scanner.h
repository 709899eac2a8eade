// Finds the entries of a damaged ZIP archive by its local file headers alone; the central
// directory and the end record are never read.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "engine/job_window.h"
#include "engine/salvaged_entry.h"
#include "platform/file.h"

namespace xr::engine {

// Opens the source (exclusively, it must exist), writes the opened, extracted and closed lines to
// the log and appends what it finds to `entries`. False only when the file cannot be opened: the
// system's text for the error has then been shown and no log line written. A cleared run flag
// ends the scan early; the entries found so far stay in the list.
bool ScanSource(const std::string& sourcePath, JobWindow& window, SalvagedEntryList& entries);

// The scan itself over an open file of `length` bytes, read from offset 0. The run flag is read
// directly for every window that could hold a signature, and at least once per 64 KiB read.
void ScanEntries(platform::File& file, std::uint64_t length, const std::atomic<int>& runFlag,
                 SalvagedEntryList& entries);

}  // namespace xr::engine
