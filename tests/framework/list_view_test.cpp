// The list view wrapper reads texts of any length whole.
#include "framework/list_view.h"

#include <gtest/gtest.h>

#include <string>

#include "support/gui_test.h"

namespace {

TEST(ListView, ItemTextsOfAnyLengthComeBackWhole) {
  xr::test::StartGui();
  xr::test::HostWindow host;
  wnd::ListView list;
  ASSERT_TRUE(list.Create(host.hwnd(), LVS_REPORT | WS_VISIBLE, RECT{0, 0, 400, 200}, 1));
  list.InsertColumn(0, L"File Name", 900);
  list.InsertColumn(1, L"Second", 100);
  for (size_t length : {0u, 1u, 258u, 259u, 260u, 261u, 1000u, 4000u}) {
    std::wstring text = L"C:\\";
    while (text.size() < length) text += static_cast<wchar_t>(L'a' + text.size() % 26);
    text.resize(length);
    const int row = list.InsertItem(list.ItemCount(), text, 2);
    ASSERT_GE(row, 0);
    list.SetItemText(row, 1, text);
    EXPECT_EQ(list.ItemText(row, 0), text) << "length " << length;
    EXPECT_EQ(list.ItemText(row, 1), text) << "sub-item, length " << length;
  }
}

}  // namespace
