// Modal dialogs from a resource and from an in-memory template, and the order in which their
// windows see keys.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "support/gui_test.h"
#include "test_resources.h"

namespace {

constexpr UINT kFinish = WM_APP + 1;  // posted by the tests to end a dialog with a value

// Ends with the value posted to it; records what it saw while it ran.
class ScriptedDialog : public wnd::Dialog {
 public:
  using Dialog::Dialog;
  std::wstring editText;
  bool ownerEnabledDuringRun = true;
  HWND owner = nullptr;
  bool swallowEnterAndEscape = false;

  bool PreTranslateMessage(MSG& message) override {
    if (swallowEnterAndEscape && message.message == WM_KEYDOWN &&
        (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
      message.wParam = 0;
    }
    return Dialog::PreTranslateMessage(message);
  }

 protected:
  bool OnInitDialog() override {
    SetDlgItemTextW(hwnd(), IDC_TEST_EDIT, L"typed");
    return true;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kFinish) {
      wchar_t text[64] = {};
      GetDlgItemTextW(hwnd(), IDC_TEST_EDIT, text, 64);
      editText = text;
      ownerEnabledDuringRun = owner && IsWindowEnabled(owner);
      EndDialog(static_cast<INT_PTR>(wParam));
      return 0;
    }
    return Dialog::WindowProc(message, wParam, lParam);
  }
};

// Posts messages to the dialog once it exists, from a timer of the test's thread.
void PostWhenShown(const wchar_t* caption, UINT message, WPARAM wParam) {
  static struct {
    const wchar_t* caption;
    UINT message;
    WPARAM wParam;
  } pending;
  pending = {caption, message, wParam};
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    const HWND dialog = FindWindowW(nullptr, pending.caption);
    if (!dialog) return;
    KillTimer(nullptr, id);
    PostMessageW(dialog, pending.message, pending.wParam, 0);
  });
}

TEST(Dialog, FromResourceRunsModallyAndReturnsTheEndValue) {
  xr::test::StartGui();
  xr::test::HostWindow owner;
  ScriptedDialog dialog(IDD_TEST_DIALOG);
  dialog.owner = owner.hwnd();
  PostWhenShown(L"Test dialog", kFinish, 4242);
  EXPECT_EQ(dialog.DoModal(owner.hwnd()), 4242);
  EXPECT_EQ(dialog.editText, L"typed");
  EXPECT_FALSE(dialog.ownerEnabledDuringRun) << "the owner is disabled while the dialog runs";
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd())) << "and enabled again afterwards";
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(Dialog, FromMemoryTemplateCreatesItsControls) {
  xr::test::StartGui();
  wnd::DialogTemplate layout(L"Built in memory", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                             0, 0, 160, 60);
  layout.AddControl(L"EDIT", L"abc", WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 7, 7, 146, 14,
                    IDC_TEST_EDIT);
  layout.AddControl(L"BUTTON", L"OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 50, 38, 50, 14, IDOK);
  layout.AddControl(L"STATIC", L"Grüße", WS_VISIBLE, 7, 26, 100, 8, 1002);

  class Inspecting : public wnd::Dialog {
   public:
    using Dialog::Dialog;
    std::wstring editClass, editText, staticText;

   protected:
    bool OnInitDialog() override {
      wchar_t text[64] = {};
      GetClassNameW(Item(IDC_TEST_EDIT), text, 64);
      editClass = text;
      GetDlgItemTextW(hwnd(), IDC_TEST_EDIT, text, 64);
      editText = text;
      GetDlgItemTextW(hwnd(), 1002, text, 64);
      staticText = text;
      PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(IDOK)));
      return true;
    }
  } dialog(layout);
  EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
  EXPECT_EQ(_wcsicmp(dialog.editClass.c_str(), L"edit"), 0) << "class " << dialog.editClass.size();
  EXPECT_EQ(dialog.editText, L"abc");
  EXPECT_EQ(dialog.staticText, L"Grüße");
}

TEST(Dialog, ItsWindowsSeeKeysBeforeTheDialogManager) {
  xr::test::StartGui();
  for (bool swallow : {false, true}) {
    xr::test::HostWindow owner;
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    dialog.owner = owner.hwnd();
    dialog.swallowEnterAndEscape = swallow;
    // Escape first; then, if the dialog is still there, the finishing message.
    struct Escape {
      static void CALLBACK Send(HWND, UINT, UINT_PTR id, DWORD) {
        const HWND dialog = FindWindowW(nullptr, L"Test dialog");
        if (!dialog) return;
        KillTimer(nullptr, id);
        PostMessageW(GetDlgItem(dialog, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageW(dialog, kFinish, 7, 0);
      }
    };
    SetTimer(nullptr, 0, 30, Escape::Send);
    const INT_PTR result = dialog.DoModal(owner.hwnd());
    EXPECT_EQ(result, swallow ? 7 : IDCANCEL)
        << (swallow ? "a swallowed Escape must not close the dialog" : "Escape cancels");
  }
}

}  // namespace
