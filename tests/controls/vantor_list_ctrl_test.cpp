// The source list: preview requests to its parent, the hover text in the status bar, info tips
// and the white ground of row text.
#include "controls/vantor_list_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/frame.h"
#include "support/gui_test.h"

namespace {

std::wstring LongPath() {
  std::wstring path = L"C:\\Users\\someone\\Documents";
  while (path.size() < 300) path += L"\\a rather long folder name";
  return path + L"\\Book1.xlsx";
}

class VantorListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xr::test::StartGui();
    ASSERT_TRUE(frame.CreateFrame(L"frame", 0));
    ASSERT_TRUE(frame.CreateStatusBar(L"idle"));
    wnd::SetMainFrame(&frame);
    host.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
      if (message == WM_SHOWPREVIEW) {
        EXPECT_EQ(lParam, 0);
        previews.push_back(static_cast<int>(wParam));
      }
      return false;
    };
    ASSERT_TRUE(
        list.Create(host.hwnd(), LVS_REPORT | WS_VISIBLE | WS_BORDER, RECT{0, 0, 500, 300}, 1));
    list.InsertColumn(0, L"File Name", 900);
    list.AddExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    for (const std::wstring& row :
         {std::wstring(L"C:\\in\\a.xlsx"), LongPath(), std::wstring(L"C:\\in\\c.xlsx")}) {
      list.InsertItem(list.ItemCount(), row, 2);
    }
  }
  void TearDown() override { wnd::SetMainFrame(nullptr); }
  POINT RowCentre(int row) {
    RECT rect{LVIR_BOUNDS};
    list.Send(LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return POINT{(rect.left + rect.right) / 4, (rect.top + rect.bottom) / 2};
  }
  void Select(int row) {
    list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetSelectionMark(row);
  }

  wnd::Frame frame;
  xr::test::HostWindow host;
  CVantorListCtrl list;
  std::vector<int> previews;
};

TEST_F(VantorListTest, ArrowKeyAsksForThePreviewOnPressAndOnRelease) {
  Select(0);
  SetFocus(list.hwnd());
  list.Send(WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(previews, std::vector<int>{1}) << "once after the key press, with the new row";
  list.Send(WM_KEYUP, VK_DOWN, 0xC0000001);
  EXPECT_EQ(previews, (std::vector<int>{1, 1})) << "and once after the release";

  previews.clear();
  list.SetSelectionMark(-1);
  list.Send(WM_KEYUP, VK_SHIFT, 0xC0000001);
  EXPECT_TRUE(previews.empty()) << "no selection mark, no request";
}

TEST_F(VantorListTest, ClickOnARowAsksForItsPreviewAndClickBelowTheRowsDoesNot) {
  const POINT row2 = RowCentre(2);
  // The release waits in the queue in case the list looks for a drag.
  PostMessageW(list.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(row2.x, row2.y));
  list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row2.x, row2.y));
  xr::test::PumpPending();
  EXPECT_EQ(previews, std::vector<int>{2});
  EXPECT_EQ(list.NextItem(-1, LVNI_SELECTED), 2) << "the click selected the row first";

  previews.clear();
  PostMessageW(list.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 280));
  list.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 280));
  xr::test::PumpPending();
  EXPECT_TRUE(previews.empty());
}

TEST_F(VantorListTest, HoveringOverARowWritesItsWholeTextIntoTheStatusBar) {
  const POINT row1 = RowCentre(1);
  POINT screen = row1;
  ClientToScreen(list.hwnd(), &screen);
  ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
  PostMessageW(list.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(row1.x, row1.y));
  xr::test::PumpPending();
  EXPECT_EQ(frame.statusBar().PaneText(0), LongPath());

  POINT below{20, 280};
  ClientToScreen(list.hwnd(), &below);
  ASSERT_TRUE(SetCursorPos(below.x, below.y));
  PostMessageW(list.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 280));
  xr::test::PumpPending();
  EXPECT_EQ(frame.statusBar().PaneText(0), LongPath()) << "no row under the pointer: unchanged";
}

TEST_F(VantorListTest, InfoTipHoldsTheRowTextCutToTheBuffer) {
  const struct {
    int capacity;
    std::wstring expected;
  } cases[] = {{1024, LongPath()}, {10, LongPath().substr(0, 9)}, {1, L""}};
  for (const auto& c : cases) {
    std::vector<wchar_t> buffer(static_cast<size_t>(c.capacity) + 8, L'#');
    NMLVGETINFOTIPW tip{};
    tip.hdr = NMHDR{list.hwnd(), 1, static_cast<UINT>(LVN_GETINFOTIPW)};
    tip.pszText = buffer.data();
    tip.cchTextMax = c.capacity;
    tip.iItem = 1;
    EXPECT_EQ(host.Send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&tip)), 0);
    EXPECT_EQ(std::wstring(buffer.data()), c.expected) << "capacity " << c.capacity;
    EXPECT_EQ(buffer[static_cast<size_t>(c.capacity)], L'#') << "nothing past the capacity";
  }
  NMLVGETINFOTIPW none{};
  none.hdr = NMHDR{list.hwnd(), 1, static_cast<UINT>(LVN_GETINFOTIPW)};
  none.iItem = 1;
  EXPECT_EQ(host.Send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&none)), 0)
      << "no buffer: nothing written";
}

TEST_F(VantorListTest, RowTextIsDrawnOnWhite) {
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = NMHDR{list.hwnd(), 1, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(host.Send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&draw)), CDRF_NOTIFYITEMDRAW);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.clrTextBk = RGB(1, 2, 3);
  EXPECT_EQ(host.Send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&draw)), CDRF_DODEFAULT);
  EXPECT_EQ(draw.clrTextBk, RGB(255, 255, 255));
}

}  // namespace
