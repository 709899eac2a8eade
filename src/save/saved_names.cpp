// Distinct names for same-named files within one save run.
#include "save/saved_names.h"

namespace xr::save {
namespace {

// Decodes one UTF-8 sequence at s[i]; a byte that does not start a well-formed sequence is
// returned as itself (as 0x110000 + byte, which no mapping touches) with length 1.
char32_t Decode(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  std::size_t n = 0;
  char32_t code = 0;
  if (b0 < 0x80) { ++i; return b0; }
  if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; code = b0 & 0x1F; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; code = b0 & 0x0F; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; code = b0 & 0x07; }
  bool ok = n != 0 && i + n <= s.size();
  for (std::size_t k = 1; ok && k < n; ++k) {
    ok = (byte(i + k) & 0xC0) == 0x80;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (!ok) { ++i; return 0x110000 + b0; }
  i += n;
  return code;
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1 capitals
  if (c >= 0x100 && c <= 0x17F) {                             // Latin Extended-A pairs
    if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    if (c == 0x178) return 0xFF;
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    return (c % 2 == (oddCapitals ? 1u : 0u)) ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic capitals
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

void Append(std::string& out, char32_t c) {
  if (c >= 0x110000) {
    out += static_cast<char>(c - 0x110000);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string SavedNames::Key(std::string_view name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
  std::string key;
  key.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) Append(key, FoldCase(Decode(name, i)));
  return key;
}

SavedNames::SavedNames(const std::vector<std::string>& listedNames) {
  for (const std::string& name : listedNames) listed_.insert(Key(name));
}

std::string SavedNames::Claim(std::string_view fileName) {
  if (taken_.insert(Key(fileName)).second) return std::string(fileName);
  // Each number tried is refused only by a name already taken or listed, so one of the first
  // taken_ + listed_ + 1 numbers is free.
  for (int number = 2;; ++number) {
    std::string candidate = NumberedName(fileName, number);
    const std::string key = Key(candidate);
    if (listed_.count(key) == 0 && taken_.insert(key).second) return candidate;
  }
}

std::string NumberedName(std::string_view fileName, int number) {
  const std::string suffix = " (" + std::to_string(number) + ")";
  const auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::string(fileName) + suffix;
  return std::string(fileName.substr(0, dot)) + suffix + std::string(fileName.substr(dot));
}

}  // namespace xr::save
