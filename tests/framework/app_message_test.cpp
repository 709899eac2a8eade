// ShowAppMessage: answered by tests through its seam, and the system's box behind it.
#include "htmlbox/app_message.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/gui_test.h"

namespace {

struct Shown {
  HWND owner;
  std::wstring text;
  UINT flags;
  DWORD thread;
};

TEST(AppMessage, TestsAnswerInPlaceOfTheBox) {
  std::vector<Shown> shown;
  ScopedAppMessageHandler answer([&](HWND owner, std::wstring_view text, UINT flags) {
    shown.push_back({owner, std::wstring(text), flags, GetCurrentThreadId()});
    return IDNO;
  });
  EXPECT_EQ(ShowAppMessage(nullptr, L"Do you really want to exit?", kAppMessageYesNo), IDNO);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, L"Do you really want to exit?");
  EXPECT_EQ(shown[0].flags, 0x24u);
  EXPECT_EQ(shown[0].owner, nullptr);

  // A worker thread reaches the same handler and waits for its answer.
  int answered = 0;
  std::thread worker([&] { answered = ShowAppMessage(nullptr, L"from a worker", kAppMessageOk); });
  worker.join();
  EXPECT_EQ(answered, IDNO);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[1].thread, GetCurrentThreadId());
}

TEST(AppMessage, EachScopePutsBackTheHandlerBeforeIt) {
  ScopedAppMessageHandler outer([](HWND, std::wstring_view, UINT) { return IDOK; });
  {
    ScopedAppMessageHandler inner([](HWND, std::wstring_view, UINT) { return IDYES; });
    EXPECT_EQ(ShowAppMessage(nullptr, L"inner", kAppMessageYesNo), IDYES);
  }
  EXPECT_EQ(ShowAppMessage(nullptr, L"outer", kAppMessageOk), IDOK);
}

// Finds the system's box on this thread by its caption, reads it and presses a button.
struct BoxProbe {
  static inline std::wstring caption;
  static inline std::vector<std::wstring> texts;
  static inline WPARAM press = IDOK;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
          wchar_t text[128] = {};
          GetWindowTextW(window, text, 128);
          if (std::wstring(text) != L"Tandrel xlsx Repair") return TRUE;
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    KillTimer(nullptr, id);
    wchar_t text[128] = {};
    GetWindowTextW(box, text, 128);
    caption = text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM) {
          wchar_t childText[256] = {};
          GetWindowTextW(child, childText, 256);
          texts.emplace_back(childText);
          return TRUE;
        },
        0);
    PostMessageW(box, WM_COMMAND, press, 0);
  }
};

TEST(AppMessage, WithoutAHandlerTheSystemBoxShowsTheProductCaption) {
  xr::test::StartGui();
  const struct {
    UINT flags;
    WPARAM press;
  } cases[] = {{kAppMessageOk, IDOK}, {kAppMessageYesNo, IDYES}, {kAppMessageYesNo, IDNO}};
  for (const auto& c : cases) {
    BoxProbe::caption.clear();
    BoxProbe::texts.clear();
    BoxProbe::press = c.press;
    SetTimer(nullptr, 0, 20, BoxProbe::OnTimer);
    EXPECT_EQ(
        ShowAppMessage(nullptr, L"Another instance of application is already running", c.flags),
        static_cast<int>(c.press));
    EXPECT_EQ(BoxProbe::caption, L"Tandrel xlsx Repair");
    bool found = false;
    for (const auto& t : BoxProbe::texts)
      found |= t == L"Another instance of application is already running";
    EXPECT_TRUE(found) << "the box shows the text";
  }
}

}  // namespace
