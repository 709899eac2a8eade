// The UTF-8/UTF-16 crossing must give every byte string back unchanged.
#include <gtest/gtest.h>

#include "platform/text.h"

namespace xr::platform {
namespace {

TEST(Text, EveryByteStringSurvivesTheTripToUtf16AndBack) {
  const std::string cases[] = {
      "",
      "xl/worksheets/sheet1.xml",
      "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x88",  // 2-, 3- and 4-byte characters
      "Book\xE9.xml",                              // Latin-1, not UTF-8
      "\x80\xBF\xFF\xFE",                          // stray continuation and invalid bytes
      "\xC3",                                      // a sequence cut short at the end
      "\xE0\x80\x80",                              // overlong
      "\xED\xA0\x80\xED\xB0\x80",                  // two encoded surrogates that would pair up
      "\xED\xB2\x80",                              // an encoded escape surrogate
      "\xF4\x90\x80\x80",                          // above U+10FFFF
      std::string("a\0b", 3),
  };
  for (const std::string& bytes : cases) {
    EXPECT_EQ(Narrow(Widen(bytes)), bytes) << "bytes: " << testing::PrintToString(bytes);
    EXPECT_EQ(Utf8FromPath(PathFromUtf8(bytes)), bytes) << testing::PrintToString(bytes);
  }
}

TEST(Text, ValidUtf8BecomesTheSameCharactersInUtf16) {
  EXPECT_EQ(Widen("caf\xC3\xA9"), L"caf\u00E9");
  const std::wstring chart = Widen("\xF0\x9F\x93\x88");  // U+1F4C8, a surrogate pair
  ASSERT_EQ(chart.size(), 2u);
  EXPECT_EQ(static_cast<unsigned>(chart[0]), 0xD83Du);
  EXPECT_EQ(static_cast<unsigned>(chart[1]), 0xDCC8u);
  EXPECT_EQ(Narrow(L"\u00E9\u20AC"), "\xC3\xA9\xE2\x82\xAC");
}

}  // namespace
}  // namespace xr::platform
