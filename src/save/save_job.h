// The save run: packs every repaired package of the source list into the destination folder and,
// when asked, copies its pictures out, reporting each step through the job window.
#pragma once

#include <filesystem>
#include <functional>

#include "engine/job_window.h"
#include "engine/repair_workspace.h"
#include "zip/pack_folder.h"

namespace xr::save {

// What a run did, for callers that need more than the window's log (the command line's exit status).
struct SaveReport {
  bool destinationAccepted = false;
  int files = 0;        // items in the list when the run started
  int saved = 0;        // archive written whole, and the pictures copied when they were asked for
  int failed = 0;       // repaired, but the archive, its source folder or the pictures failed
  int notRepaired = 0;  // skipped: the repair run did not process them
  int stopped = 0;      // not reached because the run was stopped
  bool AllSaved() const { return destinationAccepted && saved == files; }
};

// Packs a folder into a new archive; zip::PackFolder, or a stand-in that tests use to fail on purpose.
using Packer = std::function<zip::PackResult(const std::filesystem::path& folder,
                                             const std::filesystem::path& archive)>;

class SaveJob {
 public:
  // The worker procedure; runs on a thread of its own and reaches the window only through
  // `window`. It packs the file folders of `workspace` and never changes them. Returns 0 when the
  // destination was refused (nothing else happened), 1 after a run, which always ends with the
  // completion message box, owned by the window.
  static int Run(engine::JobWindow& window, const engine::RepairWorkspace& workspace,
                 SaveReport* report = nullptr, const Packer& pack = zip::PackFolder);
};

}  // namespace xr::save
