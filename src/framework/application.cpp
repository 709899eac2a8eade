// The application object and its message loop.
#include "framework/application.h"

#include <commctrl.h>

#include "framework/frame.h"
#include "framework/window.h"

namespace wnd {
namespace {

Application* g_application = nullptr;

}  // namespace

Application::Application() {
  if (!g_application) g_application = this;
}

Application::~Application() {
  if (g_application == this) g_application = nullptr;
}

Application* Application::Current() { return g_application; }

int Application::Run() {
  if (!InitInstance()) {
    ExitInstance();
    return exitCode_ != 0 ? exitCode_ : 1;
  }
  RunMessageLoop();
  return ExitInstance();
}

bool Application::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
  InitCommonControlsEx(&controls);
  if (!gdiplus_) gdiplus_ = std::make_unique<GdiplusSession>();
  return true;
}

int Application::ExitInstance() {
  gdiplus_.reset();
  return exitCode_;
}

bool Application::OnIdle(long count) {
  if (count == 0) {
    if (Frame* frame = MainFrame()) frame->UpdateCommandStates();
  }
  return false;
}

int Application::RunMessageLoop() {
  bool idle = true;
  long idleCount = 0;
  POINT lastMouse{-1, -1};
  UINT lastMouseMessage = 0;
  MSG peek;
  for (;;) {
    while (idle && !PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      MSG message;
      if (!PumpMessage(message)) return exitCode_;
      if (IsIdleMessage(message, lastMouse, lastMouseMessage)) {
        idle = true;
        idleCount = 0;
      }
    } while (PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
  }
}

bool Application::PumpMessage() {
  MSG message;
  return PumpMessage(message);
}

bool Application::PumpMessage(MSG& message) {
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got == 0) {
    exitCode_ = static_cast<int>(message.wParam);
    return false;
  }
  if (got < 0) {
    message = MSG{};  // a failed GetMessage leaves nothing to dispatch
    return true;
  }
  if (!PreTranslateMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

bool Application::PreTranslateMessage(MSG& message) {
  Frame* frame = MainFrame();
  bool frameAsked = false;
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    Window* object = Window::FromHandle(window);
    if (!object) continue;
    if (object == frame) frameAsked = true;
    if (object->PreTranslateMessage(message)) return true;
  }
  // Accelerators work wherever the focus is inside the frame's own windows.
  if (frame && !frameAsked && frame->hwnd() && message.hwnd &&
      GetAncestor(message.hwnd, GA_ROOT) == frame->hwnd()) {
    return frame->PreTranslateMessage(message);
  }
  return false;
}

bool Application::IsIdleMessage(const MSG& message, POINT& lastMouse, UINT& lastMouseMessage) {
  // Repaints, the caret's blink and a mouse that did not move change no command state.
  if (message.message == WM_PAINT || message.message == 0x0118) return false;
  if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
    if (message.pt.x == lastMouse.x && message.pt.y == lastMouse.y &&
        message.message == lastMouseMessage) {
      return false;
    }
    lastMouse = message.pt;
    lastMouseMessage = message.message;
  }
  return true;
}

void Application::SetRegistryKey(std::wstring registryKey, std::wstring applicationName) {
  profile_ = std::make_unique<Settings>(std::move(registryKey), std::move(applicationName));
}

Frame* Application::MainFrame() const { return wnd::MainFrame(); }
void Application::SetMainFrame(Frame* frame) { wnd::SetMainFrame(frame); }

}  // namespace wnd
