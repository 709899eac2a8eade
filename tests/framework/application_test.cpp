// The application's message loop: the idle pass runs when the queue is empty, and the loop ends
// with the quit code.
#include "framework/application.h"

#include <gtest/gtest.h>

#include "support/gui_test.h"

namespace {

class CountingApplication : public wnd::Application {
 public:
  int idleCalls = 0;
  bool OnIdle(long count) override {
    ++idleCalls;
    return Application::OnIdle(count);
  }
};

TEST(Application, LoopRunsTheIdlePassWhileWaitingAndEndsWithTheQuitCode) {
  xr::test::StartGui();
  CountingApplication application;
  EXPECT_EQ(wnd::Application::Current(), &application);
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostQuitMessage(3);
  });
  EXPECT_EQ(application.RunMessageLoop(), 3);
  EXPECT_GE(application.idleCalls, 1) << "the queue was empty before the timer fired";
  EXPECT_EQ(application.ExitCode(), 3);
}

}  // namespace
