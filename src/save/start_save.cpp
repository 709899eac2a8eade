// The Save command's side on the user-interface thread.
#include "save/start_save.h"

#include <system_error>
#include <thread>

#include "save/save_job.h"

namespace xr::save {

bool StartDetachedWorker(std::function<void()> work) {
  try {
    std::thread(std::move(work)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

bool StartSave(engine::JobWindow& window, const engine::RepairWorkspace& workspace,
               const WorkerStart& start) {
  if (window.IsRunFlagSet()) {
    window.ShowMessage("Please stop the running process before saving the file(s).",
                       engine::kMessageOk, false);
    return false;
  }
  engine::JobWindow* target = &window;
  return start([target, workspace] { SaveJob::Run(*target, workspace); });
}

}  // namespace xr::save
