// The message seam and the plain system box behind it.
#include "htmlbox/app_message.h"

#include "htmlbox/plain_text.h"

#include <mutex>
#include <string>
#include <utility>

namespace {

constexpr const wchar_t* kCaption = L"Tandrel xlsx Repair";

std::mutex g_lock;
AppMessageHandler g_handler;  // empty: the system's box

// The system's box cannot draw markup, so it shows the message's plain text.
int SystemBox(HWND owner, std::wstring_view text, UINT flags) {
  const std::wstring plain = PlainTextOfMarkup(text);
  return MessageBoxW(owner, plain.c_str(), kCaption, flags);
}

AppMessageHandler Exchange(AppMessageHandler handler) {
  std::lock_guard<std::mutex> hold(g_lock);
  return std::exchange(g_handler, std::move(handler));
}

}  // namespace

int ShowAppMessage(HWND owner, std::wstring_view text, UINT flags) {
  AppMessageHandler handler;
  {
    // A copy: the box is modal and may take long; other threads must not wait for the lock.
    std::lock_guard<std::mutex> hold(g_lock);
    handler = g_handler;
  }
  if (handler) return handler(owner, text, flags);
  return SystemBox(owner, text, flags);
}

ScopedAppMessageHandler::ScopedAppMessageHandler(AppMessageHandler handler)
    : previous_(Exchange(std::move(handler))) {}

ScopedAppMessageHandler::~ScopedAppMessageHandler() { Exchange(std::move(previous_)); }
