// The single-instance rule between two processes of the program itself: while one copy runs, a
// second shows "Another instance of application is already running" and ends; the first runs on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ui/single_instance.h"

namespace xr::test {
namespace {

#ifdef XR_PROGRAM_PATH
// The build names the program with a path of the build system; under Wine a POSIX path is
// reached through drive Z:.
std::wstring ProgramPath() {
  const std::string path = XR_PROGRAM_PATH;
  std::wstring wide(path.begin(), path.end());
  if (!wide.empty() && wide[0] == L'/') {
    for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
    wide = L"Z:" + wide;
  }
  return wide;
}

// A process of the program this test started; ended by the test if still running at the end.
class Program {
 public:
  Program() {
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{sizeof startup};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info_)) {
      CloseHandle(info_.hThread);
    } else {
      info_ = {};
    }
  }
  ~Program() {
    if (info_.hProcess) {
      if (Running()) {
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 10000);
      }
      CloseHandle(info_.hProcess);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  bool Ended(DWORD milliseconds) const {
    return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }
  DWORD Id() const { return info_.dwProcessId; }

  // A visible top-level window of this process with the caption, waited for.
  HWND WaitForWindow(const std::wstring& caption, DWORD milliseconds) const {
    const DWORD end = GetTickCount() + milliseconds;
    do {
      struct Search {
        DWORD process;
        const std::wstring* caption;
        HWND found;
      } search{Id(), &caption, nullptr};
      EnumWindows(
          [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != s->process || !IsWindowVisible(window)) return TRUE;
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (*s->caption != text) return TRUE;
            s->found = window;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&search));
      if (search.found) return search.found;
      Sleep(100);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
    return nullptr;
  }

 private:
  PROCESS_INFORMATION info_{};
};

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(text);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

TEST(AppSingleInstance, ASecondProgramIsRefusedWithTheMessageAndTheFirstRunsOn) {
  Program first;
  ASSERT_TRUE(first.Started()) << "cannot start the program";
  const HWND frame = first.WaitForWindow(L"Tandrel xlsx Repair - v01.0", 30000);
  ASSERT_NE(frame, nullptr) << "the first copy shows no frame";

  // The lock is a real object of the machine's global namespace.
  const HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, xr::ui::kSingleInstanceName);
  EXPECT_NE(lock, nullptr);
  if (lock) CloseHandle(lock);

  Program second;
  ASSERT_TRUE(second.Started());
  const HWND box = second.WaitForWindow(L"Tandrel xlsx Repair", 30000);
  ASSERT_NE(box, nullptr) << "the second copy shows no message";
  const std::vector<std::wstring> texts = ChildTexts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      L"Another instance of application is already running"),
            texts.end());
  EXPECT_EQ(second.WaitForWindow(L"Tandrel xlsx Repair - v01.0", 0), nullptr);

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(second.Ended(20000));
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(IsWindow(frame));
}
#endif

}  // namespace
}  // namespace xr::test
