// A synchronous call onto the user-interface thread: a worker hands over a piece of work, the
// thread that created the channel runs it between its messages, and the worker goes on only when
// it has run. Called on that thread itself, the work runs at once.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "framework/window.h"

namespace xr::ui {

class UiThreadCall : private wnd::Window {
 public:
  UiThreadCall() = default;
  ~UiThreadCall() override;

  // Makes the channel on the calling thread, which must pump messages (or wait in a way that
  // serves sent messages) while workers call.
  bool Open();
  // From here on no work runs and Run returns false; a call already running finishes first.
  void Close();
  bool IsOpen() const { return channel_.load() != nullptr; }

  // Runs `work` on the channel's thread and returns whether it ran. False when the channel is
  // closed, then nothing of `work` has happened.
  bool Run(const std::function<void()>& work);

  // True while the channel's thread is carrying out a worker's call. A worker is then waiting for
  // this thread, so this thread must not wait for that worker.
  bool IsServing() const { return serving_ > 0; }

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::atomic<HWND> channel_{nullptr};
  DWORD thread_ = 0;
  int serving_ = 0;  // calls being carried out now, nested ones included; channel thread only
};

}  // namespace xr::ui
