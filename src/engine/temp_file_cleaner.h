// Deletes the temporary "OPC" files of one source file's entries on a thread of its own. Freeing
// a file that was just written takes milliseconds on some file systems; the next entry need not
// wait for it. Every file handed over is gone once Finish (or the destructor) returns.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/file.h"

namespace xr::engine {

class TempFileCleaner {
 public:
  TempFileCleaner();
  ~TempFileCleaner();
  TempFileCleaner(const TempFileCleaner&) = delete;
  TempFileCleaner& operator=(const TempFileCleaner&) = delete;

  // Deletes the file soon; at once, on the calling thread, when no thread could be started.
  void Remove(platform::Path path);
  // Waits until every file handed over is deleted, and ends the thread.
  void Finish();

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<platform::Path> pending_;
  bool finishing_ = false;
  std::thread thread_;
};

}  // namespace xr::engine
