#include "engine/temp_file_cleaner.h"

#include <system_error>
#include <utility>

namespace xr::engine {

TempFileCleaner::TempFileCleaner() {
  try {
    thread_ = std::thread(&TempFileCleaner::Run, this);
  } catch (const std::system_error&) {
    // No thread: Remove deletes on the caller's thread instead.
  }
}

TempFileCleaner::~TempFileCleaner() { Finish(); }

void TempFileCleaner::Remove(platform::Path path) {
  if (!thread_.joinable()) {
    platform::RemoveFile(path);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(std::move(path));
  }
  wake_.notify_one();
}

void TempFileCleaner::Finish() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void TempFileCleaner::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return finishing_ || !pending_.empty(); });
    if (pending_.empty()) return;  // finishing, and nothing left
    platform::Path path = std::move(pending_.front());
    pending_.pop_front();
    lock.unlock();
    platform::RemoveFile(path);
    lock.lock();
  }
}

}  // namespace xr::engine
