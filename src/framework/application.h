// The application object: start-up of the common controls and the image library, the message
// loop with its pre-translation (accelerators) and idle pass, and the per-user settings.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/command.h"
#include "framework/gdiplus_session.h"
#include "framework/settings.h"

namespace wnd {

class Frame;

class Application : public CommandTarget {
 public:
  Application();
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one application object of the process, or null.
  static Application* Current();

  // InitInstance, the message loop, ExitInstance; returns the exit code.
  int Run();

  // Starts the common controls (every class) and the image library; a derived application
  // calls this first and then builds its windows.
  virtual bool InitInstance();
  virtual int ExitInstance();
  // Runs while the queue is empty; `count` counts the calls since the last message. True asks
  // for another call. The first call updates the main frame's command states.
  virtual bool OnIdle(long count);

  int RunMessageLoop();
  // Takes one message, pre-translates and dispatches it; false at WM_QUIT.
  bool PumpMessage();
  bool PumpMessage(MSG& message);
  // Offers a message to the windows from its target up through the parents, then to the main
  // frame; true when one of them swallowed it.
  bool PreTranslateMessage(MSG& message);

  // Per-user settings under HKCU\Software\<registryKey>\<applicationName>.
  void SetRegistryKey(std::wstring registryKey, std::wstring applicationName);
  const Settings* Profile() const { return profile_.get(); }

  Frame* MainFrame() const;
  void SetMainFrame(Frame* frame);
  int ExitCode() const { return exitCode_; }

 private:
  static bool IsIdleMessage(const MSG& message, POINT& lastMouse, UINT& lastMouseMessage);

  std::unique_ptr<GdiplusSession> gdiplus_;
  std::unique_ptr<Settings> profile_;
  int exitCode_ = 0;
};

}  // namespace wnd
