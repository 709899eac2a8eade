// Windows of the layer: binding, handlers, subclassing, reflection and the end of a window.
#include "framework/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/static_control.h"
#include "support/gui_test.h"

namespace {

using xr::test::HostWindow;

class Recorder : public wnd::Window {
 public:
  std::vector<std::wstring> events;
  SIZE lastSize{-1, -1};
  int finals = 0;

 protected:
  int OnCreate(CREATESTRUCTW* create) override {
    events.push_back(L"create " + std::wstring(create->lpszName));
    return Window::OnCreate(create);
  }
  void OnSize(UINT type, int width, int height) override {
    lastSize = SIZE{width, height};
    Window::OnSize(type, width, height);
  }
  void OnDestroy() override {
    events.push_back(L"destroy");
    Window::OnDestroy();
  }
  void OnFinalMessage() override { ++finals; }
};

TEST(Window, OwnClassWindowIsBoundFromCreationToItsEnd) {
  xr::test::StartGui();
  Recorder window;
  ASSERT_TRUE(window.Create(nullptr, L"recorder", WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 300, 200}));
  const HWND handle = window.hwnd();
  EXPECT_EQ(wnd::Window::FromHandle(handle), &window);
  ASSERT_FALSE(window.events.empty());
  EXPECT_EQ(window.events.front(), L"create recorder");

  SetWindowPos(handle, nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER);
  const RECT client = window.ClientRect();
  EXPECT_EQ(window.lastSize.cx, client.right);
  EXPECT_EQ(window.lastSize.cy, client.bottom);

  DestroyWindow(handle);
  EXPECT_EQ(window.hwnd(), nullptr) << "the object must let go of a destroyed window";
  EXPECT_EQ(wnd::Window::FromHandle(handle), nullptr);
  EXPECT_EQ(window.events.back(), L"destroy");
  EXPECT_EQ(window.finals, 1);
}

class TextCatcher : public wnd::Window {
 public:
  std::vector<std::wstring> texts;

 protected:
  LRESULT OnSetText(const wchar_t* text) override {
    texts.emplace_back(text ? text : L"(null)");
    return Window::OnSetText(text);
  }
};

TEST(Window, AttachedWindowOutlivesItsObjectAndIsReleasedByDetach) {
  xr::test::StartGui();
  HostWindow host;
  const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                    host.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  {
    TextCatcher catcher;
    ASSERT_TRUE(catcher.Attach(edit));
    TextCatcher second;
    EXPECT_FALSE(second.Attach(edit)) << "one window, one object";

    SetWindowTextW(edit, L"first");
    ASSERT_EQ(catcher.texts.size(), 1u);
    EXPECT_EQ(catcher.texts[0], L"first");
    wchar_t shown[32] = {};
    GetWindowTextW(edit, shown, 32);
    EXPECT_STREQ(shown, L"first") << "default processing must still set the text";

    EXPECT_EQ(catcher.Detach(), edit);
    SetWindowTextW(edit, L"second");
    EXPECT_EQ(catcher.texts.size(), 1u) << "a detached object sees no more messages";
    ASSERT_TRUE(catcher.Attach(edit));
  }
  EXPECT_TRUE(IsWindow(edit)) << "an attached window belongs to its owner, not to the object";
  EXPECT_EQ(wnd::Window::FromHandle(edit), nullptr);
  SetWindowTextW(edit, L"after");  // must not reach the destroyed object
}

// A child that takes or declines each reflected notification.
class ReflectingChild : public wnd::StaticControl {
 public:
  bool take = false;
  int offered = 0;
  HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));

  bool OnReflectedNotify(NMHDR*, LRESULT& result) override {
    ++offered;
    result = 77;
    return take;
  }
  bool OnReflectedCommand(UINT) override {
    ++offered;
    return take;
  }
  HBRUSH OnReflectedCtlColor(HDC, UINT) override {
    ++offered;
    return take ? brush : nullptr;
  }
  bool OnReflectedDrawItem(DRAWITEMSTRUCT*) override {
    ++offered;
    return take;
  }
};

class ParentRecorder : public wnd::Window {
 public:
  int handled = 0;
  HBRUSH brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));

 protected:
  bool OnNotify(NMHDR*, LRESULT& result) override {
    ++handled;
    result = 5;
    return true;
  }
  bool OnCommand(UINT, UINT, HWND) override {
    ++handled;
    return true;
  }
  HBRUSH OnCtlColor(HDC, HWND, UINT) override {
    ++handled;
    return brush;
  }
  bool OnDrawItem(UINT, DRAWITEMSTRUCT*) override {
    ++handled;
    return true;
  }
};

TEST(Window, ChildNotificationsAreOfferedToTheChildFirst) {
  xr::test::StartGui();
  ParentRecorder parent;
  ASSERT_TRUE(parent.Create(nullptr, L"parent", WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 300, 200}));
  ReflectingChild child;
  ASSERT_TRUE(child.Create(parent.hwnd(), L"child", WS_VISIBLE, RECT{0, 0, 50, 20}, 42));
  HDC dc = GetDC(parent.hwnd());

  enum class Kind { Notify, Command, CtlColor, DrawItem };
  const struct {
    Kind kind;
    const char* name;
  } kinds[] = {{Kind::Notify, "WM_NOTIFY"},
               {Kind::Command, "WM_COMMAND"},
               {Kind::CtlColor, "WM_CTLCOLORSTATIC"},
               {Kind::DrawItem, "WM_DRAWITEM"}};
  for (const auto& k : kinds) {
    for (bool take : {true, false}) {
      child.take = take;
      child.offered = 0;
      parent.handled = 0;
      NMHDR header{child.hwnd(), 42, NM_CLICK};
      DRAWITEMSTRUCT draw{ODT_STATIC, 42, 0, 0, 0, child.hwnd(), dc, {}, 0};
      LRESULT result = 0;
      switch (k.kind) {
        case Kind::Notify:
          result = parent.Send(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header));
          EXPECT_EQ(result, take ? 77 : 5) << k.name;
          break;
        case Kind::Command:
          parent.Send(WM_COMMAND, MAKEWPARAM(42, STN_CLICKED),
                      reinterpret_cast<LPARAM>(child.hwnd()));
          break;
        case Kind::CtlColor:
          result = parent.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(child.hwnd()));
          EXPECT_EQ(reinterpret_cast<HBRUSH>(result), take ? child.brush : parent.brush) << k.name;
          break;
        case Kind::DrawItem:
          parent.Send(WM_DRAWITEM, 42, reinterpret_cast<LPARAM>(&draw));
          break;
      }
      EXPECT_EQ(child.offered, 1) << k.name << " must be offered to the child once";
      EXPECT_EQ(parent.handled, take ? 0 : 1)
          << k.name
          << (take ? " taken by the child must not reach the parent"
                   : " declined by the child must reach the parent");
    }
  }
  ReleaseDC(parent.hwnd(), dc);
}

// Destroys itself from one of its own handlers and deletes itself when it has ended.
class SelfClosing : public wnd::Window {
 public:
  explicit SelfClosing(std::vector<std::string>& log) : log_(log) {}

 protected:
  void OnClose() override {
    DestroyWindow(hwnd());
    log_.push_back("handler returned");
    marker_ = 1;  // touches the object after its window is gone
  }
  void OnDestroy() override {
    log_.push_back("destroy");
    Window::OnDestroy();
  }
  void OnFinalMessage() override {
    log_.push_back("final");
    delete this;
  }

 private:
  std::vector<std::string>& log_;
  int marker_ = 0;
};

TEST(Window, WindowDestroyedByItsOwnHandlerEndsAfterTheHandler) {
  xr::test::StartGui();
  std::vector<std::string> log;
  auto* window = new SelfClosing(log);
  ASSERT_TRUE(window->Create(nullptr, L"self", WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 100, 100}));
  window->Send(WM_CLOSE);
  const std::vector<std::string> expected = {"destroy", "handler returned", "final"};
  EXPECT_EQ(log, expected) << "the object may delete itself only when no handler of it runs";
}

}  // namespace
