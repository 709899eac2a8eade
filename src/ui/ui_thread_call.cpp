// The call channel: a message-only window of the user-interface thread that runs the work a
// sent message carries.
#include "ui/ui_thread_call.h"

#include <exception>

namespace xr::ui {
namespace {

constexpr UINT kRunMessage = WM_APP + 1;
constexpr LRESULT kRan = 1;

}  // namespace

UiThreadCall::~UiThreadCall() { Close(); }

bool UiThreadCall::Open() {
  if (IsOpen()) return true;
  constexpr const wchar_t* kClass = L"xr.UiThreadCall";
  if (!RegisterClass(kClass, 0)) return false;
  if (!Create(HWND_MESSAGE, L"", 0, 0, RECT{}, 0, kClass)) return false;
  thread_ = GetCurrentThreadId();
  channel_.store(hwnd());
  return true;
}

void UiThreadCall::Close() {
  // A worker that reads the handle after this sees null; one that already sent its message finds
  // the window gone and its SendMessageW returns 0.
  channel_.store(nullptr);
  Destroy();
}

bool UiThreadCall::Run(const std::function<void()>& work) {
  const HWND channel = channel_.load();
  if (!channel) return false;
  if (GetCurrentThreadId() == thread_) {
    work();
    return true;
  }
  return SendMessageW(channel, kRunMessage, 0, reinterpret_cast<LPARAM>(&work)) == kRan;
}

LRESULT UiThreadCall::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunMessage) return Window::WindowProc(message, wParam, lParam);
  if (!IsOpen()) return 0;
  const auto* work = reinterpret_cast<const std::function<void()>*>(lParam);
  // Nothing may unwind through the system's message dispatch; the caller learns the work failed.
  ++serving_;
  LRESULT result = kRan;
  try {
    (*work)();
  } catch (const std::exception&) {
    result = 0;
  }
  --serving_;
  return result;
}

}  // namespace xr::ui
