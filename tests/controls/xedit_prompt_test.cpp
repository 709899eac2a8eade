// The prompting edit box: the prompt is shown, kept and cleared by the rules of its two states,
// and never read back as text.
#include "controls/xedit_prompt.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/gui_test.h"

namespace {

constexpr const wchar_t* kPrompt = L"<Enter valid path to save repaired xlsx file(s).>";

class XEditPromptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xr::test::StartGui();
    box.SetPromptText(kPrompt);
    ASSERT_TRUE(box.Create(host.hwnd(), WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                           RECT{10, 10, 400, 32}, 8));
  }
  // What the box shows, read past the text rules (a single-line box has one line).
  std::wstring Shown() {
    wchar_t line[512] = {};
    *reinterpret_cast<WORD*>(line) = 511;
    const auto copied = box.Send(EM_GETLINE, 0, reinterpret_cast<LPARAM>(line));
    return std::wstring(line, static_cast<size_t>(copied));
  }
  // What any reader of the text gets.
  std::wstring Read() {
    wchar_t text[512] = L"untouched";
    const int copied = GetWindowTextW(box.hwnd(), text, 512);
    EXPECT_EQ(copied, static_cast<int>(wcslen(text)));
    return text;
  }

  xr::test::HostWindow host;
  CXEditPrompt box;
};

TEST_F(XEditPromptTest, ShowsThePromptButNeverReportsIt) {
  EXPECT_TRUE(box.IsPromptMode());
  EXPECT_EQ(Shown(), kPrompt);
  EXPECT_EQ(Read(), L"");
  EXPECT_EQ(GetWindowTextLengthW(box.hwnd()), 0) << "the length agrees with the text";
  EXPECT_EQ(box.Text(), L"");
  wchar_t one[1] = {L'x'};
  EXPECT_EQ(box.Send(WM_GETTEXT, 1, reinterpret_cast<LPARAM>(one)), 0);
  EXPECT_EQ(one[0], L'\0') << "a one-unit buffer gets its terminator";
  EXPECT_EQ(box.Send(WM_GETTEXT, 0, 0), 0) << "no buffer: nothing is written";
}

TEST_F(XEditPromptTest, StateTable) {
  using Step = std::function<void(CXEditPrompt&)>;
  const Step click = [](CXEditPrompt& b) {
    b.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    b.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  const Step rightClick = [](CXEditPrompt& b) {
    b.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  };
  const Step middleClick = [](CXEditPrompt& b) {
    b.Send(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
  };
  const Step key = [](CXEditPrompt& b) { b.Send(WM_KEYDOWN, VK_END, 1); };
  const Step setEmpty = [](CXEditPrompt& b) { SetWindowTextW(b.hwnd(), L""); };
  const Step setNull = [](CXEditPrompt& b) { EXPECT_TRUE(b.Send(WM_SETTEXT, 0, 0)); };
  const Step setPath = [](CXEditPrompt& b) { SetWindowTextW(b.hwnd(), L"C:\\out"); };
  const Step setPromptItself = [](CXEditPrompt& b) { SetWindowTextW(b.hwnd(), kPrompt); };
  const Step ownEmpty = [](CXEditPrompt& b) { b.SetEditText(L""); };
  const Step ownPath = [](CXEditPrompt& b) { b.SetEditText(L"D:\\x"); };
  const Step newPrompt = [](CXEditPrompt& b) { b.SetPromptText(L"<new>"); };
  const Step emptyPrompt = [](CXEditPrompt& b) { b.SetPromptText(L""); };
  const Step type = [](CXEditPrompt& b) { b.Send(WM_CHAR, L'x', 1); };

  const struct {
    const char* name;
    std::vector<Step> steps;
    bool promptMode;
    std::wstring shown;
    std::wstring read;
  } cases[] = {
      {"empty text kept out", {setEmpty}, true, kPrompt, L""},
      {"missing text ignored", {setNull}, true, kPrompt, L""},
      {"own rule: empty kept out", {ownEmpty}, true, kPrompt, L""},
      {"the prompt itself set", {setPromptItself}, true, kPrompt, L""},
      {"a path ends the prompt", {setPath}, false, L"C:\\out", L"C:\\out"},
      {"own rule: a path", {ownPath}, false, L"D:\\x", L"D:\\x"},
      {"click clears at once", {click}, false, L"", L""},
      {"right button clears", {rightClick}, false, L"", L""},
      {"middle button clears", {middleClick}, false, L"", L""},
      {"a key clears", {key}, false, L"", L""},
      {"typing after a click is plain text", {click, type}, false, L"x", L"x"},
      {"emptied by the user, no prompt comes back", {click, type, setEmpty}, false, L"", L""},
      {"own rule empties a typed text", {setPath, ownEmpty}, false, L"", L""},
      {"a new prompt shows at once", {newPrompt}, true, L"<new>", L""},
      {"an empty prompt ends prompt mode and shows nothing", {emptyPrompt}, false, L"", L""},
      {"a new prompt after typing stays hidden",
       {setPath, newPrompt},
       false,
       L"C:\\out",
       L"C:\\out"},
  };
  for (const auto& c : cases) {
    CXEditPrompt fresh;
    fresh.SetPromptText(kPrompt);
    ASSERT_TRUE(fresh.Create(host.hwnd(), WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                             RECT{10, 40, 400, 62}, 9));
    for (const Step& step : c.steps) step(fresh);
    EXPECT_EQ(fresh.IsPromptMode(), c.promptMode) << c.name;
    wchar_t line[512] = {};
    *reinterpret_cast<WORD*>(line) = 511;
    const auto copied = fresh.Send(EM_GETLINE, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::wstring(line, static_cast<size_t>(copied)), c.shown) << c.name << ": shown";
    EXPECT_EQ(fresh.Text(), c.read) << c.name << ": read";
  }
}

TEST_F(XEditPromptTest, FocusPutsTheCaretAfterThePrompt) {
  SetFocus(box.hwnd());
  DWORD start = 0, end = 0;
  box.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, wcslen(kPrompt));
  EXPECT_EQ(end, wcslen(kPrompt));
  EXPECT_TRUE(box.IsPromptMode()) << "focus alone keeps the prompt";
}

TEST_F(XEditPromptTest, ColourRequestGivesThePromptColourOnlyInPromptMode) {
  box.SetPromptColour(RGB(158, 158, 158));
  HDC dc = GetDC(box.hwnd());
  SetTextColor(dc, RGB(1, 2, 3));
  const auto brush = reinterpret_cast<HBRUSH>(host.Send(
      WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box.hwnd())));
  EXPECT_NE(brush, nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(158, 158, 158));

  box.Send(WM_KEYDOWN, 'A', 1);
  SetTextColor(dc, RGB(1, 2, 3));
  const auto after = reinterpret_cast<HBRUSH>(host.Send(
      WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box.hwnd())));
  EXPECT_EQ(after, brush) << "the same background brush in both modes";
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3)) << "user text keeps the normal colour";
  ReleaseDC(box.hwnd(), dc);
}

}  // namespace
