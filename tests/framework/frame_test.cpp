// The frame with its bars, the command routing and states, accelerators through the message
// loop, prompts, and the looks stored in the registry.
#include "framework/frame.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/document.h"
#include "framework/look.h"
#include "framework/resource_text.h"
#include "framework/settings.h"
#include "framework/view.h"
#include "support/gui_test.h"
#include "test_resources.h"

namespace {

constexpr const wchar_t* kRegistryKey = L"TandrelxlsxRepairv2.0";
constexpr const wchar_t* kAppName = L"framework tests";

// Command targets that take the commands the test lists and record what they received.
class TestDocument : public wnd::Document {
 public:
  std::vector<UINT> received;
  std::vector<UINT> takes;
  bool HandleCommand(UINT id) override {
    for (UINT t : takes) {
      if (t == id) {
        received.push_back(id);
        return true;
      }
    }
    return false;
  }
};

class TestView : public wnd::View {
 public:
  std::vector<UINT> received;
  std::vector<UINT> takes;
  std::map<UINT, wnd::CommandState> states;

  bool HandleCommand(UINT id) override {
    for (UINT t : takes) {
      if (t == id) {
        received.push_back(id);
        return true;
      }
    }
    return false;
  }
  bool UpdateCommand(wnd::CommandState& state) override {
    auto found = states.find(state.id);
    if (found == states.end()) return false;
    state.enabled = found->second.enabled;
    state.checked = found->second.checked;
    return true;
  }
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xr::test::StartGui();
    application.InitInstance();
    application.SetRegistryKey(kRegistryKey, kAppName);
    ASSERT_TRUE(frame.CreateFrame(L"Test frame", IDR_TEST_FRAME));
    ASSERT_TRUE(frame.CreateToolBarFromResource(IDR_TEST_TOOLBAR, IDR_TEST_TOOLBAR));
    ASSERT_TRUE(frame.CreateStatusBar(wnd::LoadText(IDS_TEST_IDLE)));
    ASSERT_TRUE(view.CreateView(frame, &document));
    SetWindowPos(frame.hwnd(), nullptr, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    ShowWindow(frame.hwnd(), SW_SHOW);
    wnd::SetMainFrame(&frame);
    GetKeyboardState(savedKeys);
  }
  void TearDown() override {
    SetKeyboardState(savedKeys);
    wnd::SetMainFrame(nullptr);
    wnd::SelectLook(wnd::kLookDefault);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TandrelxlsxRepairv2.0\\framework tests");
    xr::test::PumpPending();
  }
  void SetKey(int key, BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = state;
    SetKeyboardState(keys);
  }
  UINT MenuState(UINT id) { return GetMenuState(frame.Menu(), id, MF_BYCOMMAND); }

  wnd::Application application;
  wnd::Frame frame;
  TestDocument document;
  TestView view;
  BYTE savedKeys[256] = {};
};

TEST_F(FrameTest, ToolBarComesFromItsResourceAndPictureStrip) {
  wnd::ToolBar& bar = frame.toolBar();
  ASSERT_EQ(bar.ButtonCount(), 4);
  const UINT expected[] = {ID_TEST_FIRST, ID_TEST_SECOND, 0, ID_TEST_THIRD};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bar.CommandAt(i), expected[i]) << "button " << i;
  EXPECT_EQ(bar.ImageCount(), 3) << "three 16 x 16 cells in the 48 x 16 strip";
  EXPECT_EQ(bar.ImageSize().cx, 16);
  EXPECT_EQ(bar.ImageSize().cy, 16);

  // The view fills the space between the bars.
  const RECT toolbar = bar.RectInParent();
  const RECT status = frame.statusBar().RectInParent();
  const RECT area = view.RectInParent();
  EXPECT_EQ(area.top, toolbar.bottom);
  EXPECT_EQ(area.bottom, status.top);
  EXPECT_EQ(area.right, frame.ClientRect().right);
}

TEST_F(FrameTest, FirstStatusPaneStretchesButKeepsAtLeast500Pixels) {
  wnd::StatusBar& status = frame.statusBar();
  SetWindowPos(frame.hwnd(), nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOMOVE);
  std::vector<int> edges = status.PaneEdges();
  ASSERT_EQ(edges.size(), 4u);
  EXPECT_EQ(edges[0], 500) << "narrow frame: the first pane keeps 500 pixels";
  EXPECT_EQ(edges[3], -1);
  const int indicators = edges[2] - edges[0];

  SetWindowPos(frame.hwnd(), nullptr, 0, 0, 800, 300, SWP_NOZORDER | SWP_NOMOVE);
  const int first = status.PaneEdges()[0];
  EXPECT_GT(first, 500);
  SetWindowPos(frame.hwnd(), nullptr, 0, 0, 900, 300, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_EQ(status.PaneEdges()[0], first + 100) << "the first pane takes all the extra width";
  EXPECT_EQ(status.PaneEdges()[2] - status.PaneEdges()[0], indicators)
      << "the indicators keep their widths";
}

TEST_F(FrameTest, IndicatorsFollowTheLockKeysAtTheIdlePass) {
  const struct {
    BYTE caps, num, scroll;
    const wchar_t* shown[3];
  } cases[] = {
      {1, 0, 0, {L"CAP", L"", L""}},
      {0, 1, 1, {L"", L"NUM", L"SCRL"}},
      {0, 0, 0, {L"", L"", L""}},
  };
  for (const auto& c : cases) {
    SetKey(VK_CAPITAL, c.caps);
    SetKey(VK_NUMLOCK, c.num);
    SetKey(VK_SCROLL, c.scroll);
    application.OnIdle(0);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(frame.statusBar().PaneText(i + 1), c.shown[i])
          << "caps " << int(c.caps) << " num " << int(c.num) << " scroll " << int(c.scroll);
    }
  }
}

TEST_F(FrameTest, MenuEntriesAndToolbarButtonsShowTheirPromptsAndTips) {
  wnd::StatusBar& status = frame.statusBar();
  EXPECT_EQ(status.PaneText(0), L"Ready – grüß") << "idle text at start";

  const HMENU file = GetSubMenu(frame.Menu(), 0);
  frame.Send(WM_MENUSELECT, MAKEWPARAM(ID_TEST_FIRST, MF_STRING), reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(status.PaneText(0), L"Do the first thing") << "the part before the line feed";
  frame.Send(WM_MENUSELECT, MAKEWPARAM(ID_TEST_SECOND, MF_STRING), reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(status.PaneText(0), L"Do the second thing") << "a text without line feed is all prompt";
  frame.Send(WM_MENUSELECT, MAKEWPARAM(ID_TEST_UNHANDLED, MF_STRING),
             reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(status.PaneText(0), L"Ready – grüß") << "no string: the idle text";
  frame.Send(WM_MENUSELECT, MAKEWPARAM(ID_TEST_FIRST, MF_STRING), reinterpret_cast<LPARAM>(file));
  frame.Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(status.PaneText(0), L"Ready – grüß") << "a closed menu brings the idle text back";

  for (const auto& [id, tip] : std::vector<std::pair<UINT, std::wstring>>{
           {ID_TEST_FIRST, L"First thing"}, {ID_TEST_SECOND, L""}}) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = nullptr;
    info.hdr.idFrom = id;
    info.hdr.code = TTN_GETDISPINFOW;
    frame.Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), tip) << "tip of " << id;
  }
}

TEST_F(FrameTest, CommandsGoToTheViewThenTheDocumentThenTheFrame) {
  view.takes = {ID_TEST_FIRST, ID_TEST_SECOND};
  document.takes = {ID_TEST_SECOND, ID_TEST_THIRD};
  EXPECT_TRUE(frame.RouteCommand(ID_TEST_SECOND));
  EXPECT_TRUE(frame.RouteCommand(ID_TEST_THIRD));
  EXPECT_FALSE(frame.RouteCommand(ID_TEST_UNHANDLED));
  EXPECT_EQ(view.received, std::vector<UINT>{ID_TEST_SECOND}) << "the view comes first";
  EXPECT_EQ(document.received, std::vector<UINT>{ID_TEST_THIRD});

  // A command whose state is disabled does nothing from the menu or a key.
  view.received.clear();
  view.states[ID_TEST_FIRST] = wnd::CommandState{ID_TEST_FIRST, false, false, false};
  frame.Send(WM_COMMAND, MAKEWPARAM(ID_TEST_FIRST, 0), 0);
  frame.Send(WM_COMMAND, MAKEWPARAM(ID_TEST_FIRST, 1), 0);
  EXPECT_TRUE(view.received.empty());
  view.states[ID_TEST_FIRST].enabled = true;
  frame.Send(WM_COMMAND, MAKEWPARAM(ID_TEST_FIRST, 0), 0);
  EXPECT_EQ(view.received, std::vector<UINT>{ID_TEST_FIRST});
}

TEST_F(FrameTest, IdlePassSetsMenuEntriesAndToolbarButtons) {
  view.states[ID_TEST_SECOND] = wnd::CommandState{ID_TEST_SECOND, false, false, false};
  view.states[ID_TEST_THIRD] = wnd::CommandState{ID_TEST_THIRD, true, true, false};
  application.OnIdle(0);
  EXPECT_FALSE(frame.toolBar().IsCommandEnabled(ID_TEST_SECOND));
  EXPECT_TRUE(MenuState(ID_TEST_SECOND) & MF_GRAYED);
  EXPECT_TRUE(frame.toolBar().IsCommandChecked(ID_TEST_THIRD));
  EXPECT_TRUE(MenuState(ID_TEST_THIRD) & MF_CHECKED);
  EXPECT_TRUE(frame.toolBar().IsCommandEnabled(ID_TEST_FIRST)) << "no state: enabled";

  view.states[ID_TEST_SECOND].enabled = true;
  view.states[ID_TEST_THIRD].checked = false;
  application.OnIdle(0);
  EXPECT_TRUE(frame.toolBar().IsCommandEnabled(ID_TEST_SECOND));
  EXPECT_FALSE(MenuState(ID_TEST_SECOND) & MF_GRAYED);
  EXPECT_FALSE(frame.toolBar().IsCommandChecked(ID_TEST_THIRD));
  EXPECT_FALSE(MenuState(ID_TEST_THIRD) & MF_CHECKED);
}

TEST_F(FrameTest, AcceleratorsReachTheDocumentThroughTheMessageLoop) {
  document.takes = {ID_TEST_NEW, ID_TEST_OPEN};
  SetFocus(view.hwnd());
  const struct {
    WPARAM key;
    bool control;
    std::vector<UINT> expected;
  } cases[] = {
      {'N', true, {ID_TEST_NEW}},
      {'O', true, {ID_TEST_OPEN}},
      {'N', false, {}},
      {'X', true, {}},
  };
  for (const auto& c : cases) {
    document.received.clear();
    SetKey(VK_CONTROL, c.control ? 0x80 : 0);
    PostMessageW(view.hwnd(), WM_KEYDOWN, c.key, 1);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!application.PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    EXPECT_EQ(document.received, c.expected)
        << "key " << char(c.key) << (c.control ? " with" : " without") << " Ctrl";
  }
}

TEST_F(FrameTest, LooksAreSwitchedStoredAndMarkedInTheMenu) {
  const wnd::Settings fresh(kRegistryKey, kAppName);
  for (UINT id = wnd::kLookFirst; id <= wnd::kLookLast; ++id) {
    ASSERT_TRUE(frame.RouteCommand(id));
    EXPECT_EQ(wnd::CurrentLookId(), id);
    EXPECT_EQ(wnd::LoadLookSetting(fresh), id) << "read back through a new settings object";
    DWORD stored = 0, size = sizeof stored;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\TandrelxlsxRepairv2.0\\framework tests",
                           L"ApplicationLook", RRF_RT_REG_DWORD, nullptr, &stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(stored, id) << "the registry value itself";
    application.OnIdle(0);
    for (UINT other = wnd::kLookFirst; other <= wnd::kLookLast; ++other) {
      EXPECT_EQ((MenuState(other) & MF_CHECKED) != 0, other == id)
          << "look " << id << ", entry " << other;
    }
  }
  // Black is the last family style chosen before an id outside the range.
  frame.RouteCommand(wnd::kLookBlack);
  frame.ApplyLook(300, application.Profile());
  EXPECT_EQ(wnd::CurrentLookId(), 300u);
  EXPECT_EQ(wnd::LoadLookSetting(fresh), 300u) << "stored as given";
  EXPECT_EQ(wnd::CurrentLook().id, wnd::kLookBlack) << "drawn in the family style in force";
}

TEST(Looks, NothingStoredMeansBlue) {
  const wnd::Settings nowhere(L"TandrelxlsxRepairv2.0", L"no such application");
  EXPECT_EQ(wnd::LoadLookSetting(nowhere), wnd::kLookBlue);
}

TEST_F(FrameTest, ExitClosesTheMainFrameAndEndsTheLoop) {
  const HWND handle = frame.hwnd();
  EXPECT_TRUE(frame.RouteCommand(wnd::kCommandExit));
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(wnd::MainFrame(), nullptr);
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop must end";
}

TEST_F(FrameTest, MinimumTrackSizeIsGivenToTheSystem) {
  frame.SetMinimumTrackSize(SIZE{650, 450});
  MINMAXINFO info{};
  frame.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 650);
  EXPECT_EQ(info.ptMinTrackSize.y, 450);
}

}  // namespace
