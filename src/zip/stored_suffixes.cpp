// The stored-suffix test of entry names.
#include "zip/stored_suffixes.h"

namespace xr::zip {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsStoredName(std::string_view name) {
  // The last "." of the whole name, even when it lies in a folder part: "a.zip/b" has the suffix
  // ".zip/b", which matches nothing.
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view suffix = name.substr(dot);
  for (std::string_view stored : StoredSuffixes) {
    if (EqualIgnoringAsciiCase(suffix, stored)) return true;
  }
  return false;
}

}  // namespace xr::zip
