// The single-instance mutex.
#include "ui/single_instance.h"

namespace xr::ui {

SingleInstanceLock::SingleInstanceLock(const wchar_t* name) {
  SetLastError(ERROR_SUCCESS);
  handle_ = CreateMutexW(nullptr, FALSE, name);
  error_ = GetLastError();
}

SingleInstanceLock::~SingleInstanceLock() {
  if (handle_) CloseHandle(handle_);
}

bool SingleInstanceLock::AnotherInstanceRuns() const {
  return error_ == ERROR_ALREADY_EXISTS || (!handle_ && error_ == ERROR_ACCESS_DENIED);
}

}  // namespace xr::ui
