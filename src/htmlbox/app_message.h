// ShowAppMessage: the one way a message box reaches the user. Text is UTF-16, as everywhere at
// the window layer; callers in the portable core convert at their crossing. Until the HTML
// message box exists the box is the system's own, captioned "Tandrel xlsx Repair". Tests put a
// handler in its place that records the text and answers for the user.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

// The flags the application passes: MB_OK | MB_ICONINFORMATION and MB_YESNO | MB_ICONQUESTION.
inline constexpr UINT kAppMessageOk = 0x40;
inline constexpr UINT kAppMessageYesNo = 0x24;

// Shows a modal message box owned by `owner` (may be null) and returns the id of the button
// pressed (IDOK, IDYES, IDNO). Callable from any thread; the box belongs to the calling thread.
int ShowAppMessage(HWND owner, std::wstring_view text, UINT flags);

// What stands in for the box: receives owner, text and flags, returns the button.
using AppMessageHandler = std::function<int(HWND owner, std::wstring_view text, UINT flags)>;

// Replaces the box for as long as the object lives, then puts back what was there before.
class ScopedAppMessageHandler {
 public:
  explicit ScopedAppMessageHandler(AppMessageHandler handler);
  ~ScopedAppMessageHandler();
  ScopedAppMessageHandler(const ScopedAppMessageHandler&) = delete;
  ScopedAppMessageHandler& operator=(const ScopedAppMessageHandler&) = delete;

 private:
  AppMessageHandler previous_;
};
