// The repair run: StartRepair prepares the window and the workspace on the user-interface thread
// and hands a JobContext to RepairJob, the worker, which salvages every listed file into its file
// folder and writes the run's account to the activity log.
#pragma once

#include <functional>
#include <vector>

#include "engine/job_window.h"
#include "engine/repair_workspace.h"

namespace xr::engine {

// What became of one source row, for callers that need more than the log (the command line's
// exit status). The window itself learns it only from the log and the row marks.
enum class FileOutcome { NotReached, CannotOpen, NothingSalvaged, Repaired, Stopped };

struct JobContext {
  JobWindow* window = nullptr;
  RepairWorkspace workspace;
  // When set, RepairJob resizes it to the row count and records each row's outcome.
  std::vector<FileOutcome>* outcomes = nullptr;
};

// Whether StartRepair deletes the workspace first (the window's workspace always is; a folder the
// user named on the command line never is).
enum class WorkspaceStart { Clear, Keep };

// The start of a repair, on the user-interface thread: clears the workspace, shows the repairing
// state, sets the run flag and calls `startWorker` with the context, which runs RepairJob on a
// worker thread (the window) or inline (the command line). The caller also sets its own "list is
// from the last run" state; the window has no operation for it here.
void StartRepair(JobWindow& window, const RepairWorkspace& workspace,
                 const std::function<void(const JobContext&)>& startWorker,
                 WorkspaceStart start = WorkspaceStart::Clear,
                 std::vector<FileOutcome>* outcomes = nullptr);

// The worker: processes the rows counted at its start, honours a stop request between files and
// inside the scan, and always ends with the completion lines, the idle command states and a
// cleared run flag. Returns 1.
int RepairJob(const JobContext& context);

}  // namespace xr::engine
