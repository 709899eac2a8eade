// The one worker thread of a repair or save run. The view keeps it so that nothing that outlives
// a run (the next run, the close sequence, the view itself) goes on while it is still finishing.
#include "ui/vantor_view.h"

#include <memory>
#include <system_error>

void CVantorMSOfficeXlsxProjView::StartWorker(std::function<void()> work) {
  WaitForWorker();
  auto job = std::make_shared<std::function<void()>>(std::move(work));
  if (worker_.joinable()) {
    // The previous worker could not be awaited (this runs inside one of its calls); rather than
    // two workers at once, this run happens here.
    (*job)();
    return;
  }
  ResetEvent(workerDone_);
  try {
    const HANDLE done = workerDone_;
    worker_ = std::thread([job, done] {
      (*job)();
      SetEvent(done);
    });
    return;
  } catch (const std::system_error&) {
  }
  // No thread to be had: the run happens here, and the window does not answer until it ends, but
  // it ends with the idle command states instead of leaving every command disabled.
  SetEvent(workerDone_);
  (*job)();
}

bool CVantorMSOfficeXlsxProjView::IsWorkerActive() const {
  return worker_.joinable() && WaitForSingleObject(workerDone_, 0) != WAIT_OBJECT_0;
}

void CVantorMSOfficeXlsxProjView::WaitForWorker() {
  // Inside one of the worker's calls the worker waits for this thread: waiting for it would
  // never end.
  if (!worker_.joinable() || uiCall_.IsServing()) return;
  // Only sent messages are served meanwhile: the worker's window calls go through, while clicks
  // and keys wait, so no command can start under the finishing worker.
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &workerDone_, INFINITE, QS_SENDMESSAGE, 0);
    if (woke == WAIT_OBJECT_0) break;
    if (woke == WAIT_OBJECT_0 + 1) {
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      continue;
    }
    Sleep(10);  // the wait itself failed; keep looking without spinning
  }
  worker_.join();
}
