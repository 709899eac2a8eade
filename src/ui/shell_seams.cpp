// The shell calls and the seam in front of them.
#include "ui/shell_seams.h"

#include <shellapi.h>

#include <utility>

namespace xr::ui {
namespace {

ShellCalls& Seam() {
  static ShellCalls calls;
  return calls;
}

std::filesystem::path SystemExecutablePath() {
  // GetModuleFileNameW cuts a path that does not fit and says so only through the length; grow
  // the buffer until the whole path fits, up to the longest path the system knows.
  std::wstring buffer(520, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(buffer.substr(0, length));
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

bool OpenWithShell(HWND owner, std::wstring_view target) {
  if (Seam().open) return Seam().open(owner, target);
  const std::wstring copy(target);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", copy.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

int ShowSystemMessage(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  if (Seam().systemMessage) return Seam().systemMessage(owner, text, caption, flags);
  const std::wstring textCopy(text), captionCopy(caption);
  return MessageBoxW(owner, textCopy.c_str(), captionCopy.c_str(), flags);
}

std::filesystem::path ExecutablePath() {
  if (Seam().executablePath) return Seam().executablePath();
  return SystemExecutablePath();
}

ScopedShellCalls::ScopedShellCalls(ShellCalls replacement) : previous_(Seam()) {
  ShellCalls& calls = Seam();
  if (replacement.open) calls.open = std::move(replacement.open);
  if (replacement.systemMessage) calls.systemMessage = std::move(replacement.systemMessage);
  if (replacement.executablePath) calls.executablePath = std::move(replacement.executablePath);
}

ScopedShellCalls::~ScopedShellCalls() { Seam() = std::move(previous_); }

}  // namespace xr::ui
