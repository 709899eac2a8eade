// Reading toolbar resources whose words may be damaged or cut short.
#include "framework/toolbar_resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ToolBarResource, TakesOnlyCompleteVersionOneResources) {
  const struct {
    const char* name;
    std::vector<WORD> words;
    bool valid;
    std::vector<UINT> commands;
  } cases[] = {
      {"three buttons and a separator",
       {1, 48, 48, 4, 32773, 32774, 0, 32775},
       true,
       {32773, 32774, 0, 32775}},
      {"no buttons", {1, 16, 16, 0}, true, {}},
      {"more words than buttons", {1, 16, 16, 1, 7, 8}, true, {7}},
      {"count beyond the data", {1, 48, 48, 5, 1, 2, 3}, false, {}},
      {"count of 0xFFFF", {1, 48, 48, 0xFFFF}, false, {}},
      {"version 2", {2, 48, 48, 1, 7}, false, {}},
      {"zero image width", {1, 0, 48, 1, 7}, false, {}},
      {"header cut short", {1, 48, 48}, false, {}},
      {"nothing", {}, false, {}},
  };
  for (const auto& c : cases) {
    const auto layout = wnd::ParseToolBarResource(c.words.data(), c.words.size() * sizeof(WORD));
    ASSERT_EQ(layout.has_value(), c.valid) << c.name;
    if (layout) {
      EXPECT_EQ(layout->commands, c.commands) << c.name;
    }
  }
  const std::vector<WORD> odd = {1, 16, 16, 1, 7};
  EXPECT_FALSE(wnd::ParseToolBarResource(odd.data(), odd.size() * sizeof(WORD) - 1))
      << "a last word cut in half is not there";
  EXPECT_FALSE(wnd::ParseToolBarResource(nullptr, 8));
}

}  // namespace
