// The whole application started in the test process, as the program starts it, but with a
// single-instance lock, settings key and temporary folder of its own, and with the open-file
// dialog, the message boxes and the shell calls answered and recorded by the test.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "htmlbox/app_message.h"
#include "support/scratch_folder.h"
#include "support/temp_folder_override.h"
#include "ui/main_frame.h"
#include "ui/pickers.h"
#include "ui/shell_seams.h"
#include "ui/single_instance.h"
#include "ui/vantor_app.h"
#include "ui/vantor_view.h"

namespace xr::test {

struct Shown {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring caption;  // system boxes only
  UINT flags = 0;
};

struct Opened {
  HWND owner = nullptr;
  std::wstring target;
};

class AppHarness {
 public:
  AppHarness();
  ~AppHarness();
  AppHarness(const AppHarness&) = delete;
  AppHarness& operator=(const AppHarness&) = delete;

  // The test's folder; first, as everything below lives in it.
  ScratchFolder scratch;

  // Another copy holds the lock before this application is made.
  void HoldLockElsewhere();
  // Makes the application (of type `App`, for tests that replace a step) and runs its start-up;
  // returns what the start-up returned.
  template <typename App = CVantorMSOfficeXlsxProjApp>
  bool Start() {
    MakeLock();
    app_ = std::make_unique<App>(*lock_, registryKey_);
    return app_->InitInstance();
  }
  // Ends the application as the program does after its message loop.
  void Stop();

  CVantorMSOfficeXlsxProjApp& app() { return *app_; }
  CMainFrame& frame() { return *app_->Frame(); }
  CVantorMSOfficeXlsxProjView& view() { return *app_->View(); }
  const std::wstring& registryKey() const { return registryKey_; }
  // The stored "ApplicationLook", or -1 when none is stored.
  int StoredLook() const;
  void StoreLook(int id) const;

  std::filesystem::path Root() const { return scratch.path() / "temp" / "XlsxTemp"; }

  // Answers of the message boxes, in order; when none is left: IDOK, or IDNO for a question.
  std::deque<int> answers;
  // Runs when a message box is asked for, before it is answered.
  std::function<void(const Shown&)> onMessage;
  std::vector<Shown> AppMessages();
  std::vector<Shown> systemMessages;
  std::vector<Opened> opened;
  // The open-file dialog returns `selection` (nothing: cancelled) and counts its showings.
  std::optional<std::vector<std::wstring>> selection;
  int fileDialogs = 0;
  // What the program's executable path is taken to be.
  std::filesystem::path executable;

 private:
  void MakeLock();

  std::wstring lockName_;
  std::wstring registryKey_;
  TempFolderOverride temp_;
  std::unique_ptr<xr::ui::SingleInstanceLock> otherLock_;
  std::unique_ptr<xr::ui::SingleInstanceLock> lock_;
  std::mutex messageLock_;
  std::vector<Shown> appMessages_;
  ScopedAppMessageHandler messageHandler_;
  xr::ui::ScopedSourceFilesPicker filesPicker_;
  xr::ui::ScopedFolderPicker folderPicker_;
  xr::ui::ScopedShellCalls shell_;
  std::unique_ptr<CVantorMSOfficeXlsxProjApp> app_;
};

}  // namespace xr::test
