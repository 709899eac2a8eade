// The interrupt handler. A signal handler may only touch lock-free atomics, so the flag and the
// pointer to it are both checked to be lock-free.
#include "cli/interrupt_stop.h"

#include <csignal>

namespace xr::cli {
namespace {

static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<std::atomic<int>*>::is_always_lock_free);

std::atomic<std::atomic<int>*> target{nullptr};

extern "C" void OnInterrupt(int) {
  if (std::atomic<int>* flag = target.load()) flag->store(0);
  std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void StopOnInterrupt(std::atomic<int>* runFlag) {
  target.store(runFlag);
  std::signal(SIGINT, runFlag ? OnInterrupt : SIG_DFL);
}

}  // namespace xr::cli
