#include "htmlbox/plain_text.h"

#include <cwctype>

namespace {

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(text[i]) != prefix[i]) return false;
  }
  return true;
}

// The tag's name, lower case, without the slash of an end tag.
std::wstring TagName(std::wstring_view tag) {
  std::size_t at = tag[0] == L'/' ? 1 : 0;
  std::wstring name;
  while (at < tag.size() && std::iswalnum(tag[at])) name += static_cast<wchar_t>(std::towlower(tag[at++]));
  return name;
}

}  // namespace

std::wstring PlainTextOfMarkup(std::wstring_view markup) {
  static constexpr std::pair<std::wstring_view, wchar_t> kEntities[] = {
      {L"&amp;", L'&'}, {L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&quot;", L'"'},
      {L"&#39;", L'\''}, {L"&apos;", L'\''}, {L"&nbsp;", L' '}};
  std::wstring text;
  for (std::size_t i = 0; i < markup.size();) {
    const wchar_t c = markup[i];
    if (c == L'<') {
      const std::size_t end = markup.find(L'>', i);
      if (end == std::wstring_view::npos) {  // not a tag: keep the rest as it is
        text.append(markup.substr(i));
        break;
      }
      const std::wstring_view tag = markup.substr(i + 1, end - i - 1);
      if (!tag.empty() && TagName(tag) == L"br") text += L'\n';
      i = end + 1;
      continue;
    }
    if (c == L'&') {
      bool decoded = false;
      for (const auto& [entity, character] : kEntities) {
        if (StartsWithNoCase(markup.substr(i), entity)) {
          text += character;
          i += entity.size();
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    }
    text += c;
    ++i;
  }
  return text;
}
