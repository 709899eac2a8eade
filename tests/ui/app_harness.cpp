// The started application of the frame and application tests.
#include "app_harness.h"

#include <atomic>

#include "support/gui_test.h"

namespace xr::test {
namespace {

std::wstring UniqueSuffix() {
  static std::atomic<int> counter{0};
  return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

const std::filesystem::path& MadeFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

AppHarness::AppHarness()
    : executable(scratch.path() / "program" / "TandrelXlsxRepair.exe"),
      lockName_(L"Local\\TandrelXlsxRepair-test-" + UniqueSuffix()),
      registryKey_(L"TandrelxlsxRepairv2.0-test-" + UniqueSuffix()),
      temp_(MadeFolder(scratch.path() / "temp")),
      messageHandler_([this](HWND owner, std::wstring_view text, UINT flags) {
        const Shown shown{owner, std::wstring(text), L"", flags};
        if (onMessage) onMessage(shown);
        std::lock_guard<std::mutex> hold(messageLock_);
        appMessages_.push_back(shown);
        if (!answers.empty()) {
          const int answer = answers.front();
          answers.pop_front();
          return answer;
        }
        return (flags & MB_YESNO) ? IDNO : IDOK;
      }),
      filesPicker_([this](HWND) {
        ++fileDialogs;
        return selection;
      }),
      folderPicker_([](HWND) { return std::optional<std::wstring>(); }),
      shell_(xr::ui::ShellCalls{
          [this](HWND owner, std::wstring_view target) {
            opened.push_back({owner, std::wstring(target)});
            return true;
          },
          [this](HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
            systemMessages.push_back({owner, std::wstring(text), std::wstring(caption), flags});
            return IDOK;
          },
          [this] { return executable; }}) {
  StartGui();
  std::filesystem::create_directories(executable.parent_path());
}

AppHarness::~AppHarness() {
  Stop();
  RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + registryKey_).c_str());
}

void AppHarness::HoldLockElsewhere() {
  otherLock_ = std::make_unique<xr::ui::SingleInstanceLock>(lockName_.c_str());
}

void AppHarness::MakeLock() {
  if (!lock_) lock_ = std::make_unique<xr::ui::SingleInstanceLock>(lockName_.c_str());
}

void AppHarness::Stop() {
  if (!app_) return;
  if (CMainFrame* frame = app_->Frame()) {
    // A run the test left going ends before the windows go.
    if (CVantorMSOfficeXlsxProjView* view = app_->View()) {
      frame->RunFlag().store(0);
      view->WaitForWorker();
    }
  }
  app_->ExitInstance();
  app_.reset();
  // The frame's end posts the loop's quit message; it must not reach the next test.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageW(&message);
  }
}

std::vector<Shown> AppHarness::AppMessages() {
  std::lock_guard<std::mutex> hold(messageLock_);
  return appMessages_;
}

int AppHarness::StoredLook() const {
  DWORD value = 0, size = sizeof value;
  const std::wstring key = L"Software\\" + registryKey_ + L"\\Tandrel xlsx Repair";
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"ApplicationLook", RRF_RT_REG_DWORD, nullptr,
                   &value, &size) != ERROR_SUCCESS) {
    return -1;
  }
  return static_cast<int>(value);
}

void AppHarness::StoreLook(int id) const {
  const std::wstring key = L"Software\\" + registryKey_ + L"\\Tandrel xlsx Repair";
  const DWORD value = static_cast<DWORD>(id);
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"ApplicationLook", REG_DWORD, &value,
                  sizeof value);
}

}  // namespace xr::test
