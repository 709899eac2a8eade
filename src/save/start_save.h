// The Save command on the user-interface thread: refuses while a job runs, otherwise hands the
// save run to a worker thread and returns at once.
#pragma once

#include <functional>

#include "engine/job_window.h"
#include "engine/repair_workspace.h"

namespace xr::save {

// Starts `work` on a thread of its own that nobody waits for. Tests pass one that runs it in place.
using WorkerStart = std::function<bool(std::function<void()> work)>;

// A detached std::thread with default priority and stack size; false when none could be made.
bool StartDetachedWorker(std::function<void()> work);

// While the run flag is set: the "Please stop the running process before saving the file(s)."
// message (no owner) and false. Otherwise SaveJob::Run starts through `start` and the result says
// whether it did. The command itself changes no control; the worker does. `window` must outlive
// the worker.
bool StartSave(engine::JobWindow& window, const engine::RepairWorkspace& workspace,
               const WorkerStart& start = StartDetachedWorker);

}  // namespace xr::save
