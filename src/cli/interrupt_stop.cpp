// The interrupt handler. A signal handler may only touch lock-free atomics, so the flags and the
// pointer to the run flag are all checked to be lock-free.
#include "cli/interrupt_stop.h"

#include <csignal>

namespace xr::cli {
namespace {

static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::atomic<int>*>::is_always_lock_free);

std::atomic<std::atomic<int>*> target{nullptr};
std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) {
  interrupted.store(true);
  if (std::atomic<int>* flag = target.load()) flag->store(0);
  std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void StopOnInterrupt(std::atomic<int>* runFlag) {
  if (runFlag) interrupted.store(false);
  target.store(runFlag);
  std::signal(SIGINT, runFlag ? OnInterrupt : SIG_DFL);
}

bool WasInterrupted() { return interrupted.load(); }

}  // namespace xr::cli
