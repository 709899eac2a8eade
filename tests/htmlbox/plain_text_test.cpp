// What the plain system box shows of a message written in markup.
#include <gtest/gtest.h>

#include "htmlbox/plain_text.h"

namespace {

TEST(PlainTextOfMarkup, BreaksBecomeLinesLinksShowTheirTextOtherTagsGo) {
  const struct {
    std::wstring_view markup;
    std::wstring_view plain;
  } cases[] = {
      {L"Please select a valid folder path.", L"Please select a valid folder path."},
      {L"File(s) saving process has been completed.Saved file(s) location is:<br><a href='C:\\Out'>C:\\Out</a>",
       L"File(s) saving process has been completed.Saved file(s) location is:\nC:\\Out"},
      {L"one<BR/>two<br />three", L"one\ntwo\nthree"},
      {L"<b>bold</b> &amp; <i>italic</i> &lt;tag&gt; &quot;q&quot;", L"bold & italic <tag> \"q\""},
      {L"Bob&#39;s files & more", L"Bob's files & more"},
      {L"a < b and no closing", L"a < b and no closing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainTextOfMarkup(c.markup), c.plain);
  }
}

}  // namespace
