// UTF-8 <-> UTF-16 with an exact round trip for bytes that are not UTF-8 (see text.h).
#include "platform/text.h"

namespace xr::platform {
namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does not start one.
// Overlong forms and encoded surrogates are not valid.
std::size_t ValidSequence(std::string_view s, std::size_t i, char32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  std::size_t n;
  char32_t min;
  if (b0 < 0x80) { code = b0; return 1; }
  if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; code = b0 & 0x1F; min = 0x80; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; code = b0 & 0x0F; min = 0x800; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; code = b0 & 0x07; min = 0x10000; }
  else return 0;
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  // Encoded surrogates are not UTF-8; their bytes are escaped like any other stray byte, so that
  // two of them can never pair up into one character on the way back.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t code;
    const std::size_t n = ValidSequence(utf8, i, code);
    if (n == 0) {
      out += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(utf8[i]));
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += n;
  }
  std::wstring wide;
  wide.reserve(out.size());
  for (char16_t unit : out) wide += static_cast<wchar_t>(unit);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char32_t unit = static_cast<char16_t>(utf16[i]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size()) {
      const char32_t low = static_cast<char16_t>(utf16[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    if (unit >= 0xDC80 && unit <= 0xDCFF) {
      out += static_cast<char>(unit - 0xDC00);  // an escaped byte
      continue;
    }
    AppendUtf8(out, unit);  // a lone surrogate from a Windows name keeps its three-byte form
  }
  return out;
}

#ifdef _WIN32
Path PathFromUtf8(std::string_view utf8) { return Path(Widen(utf8)); }
std::string Utf8FromPath(const Path& path) { return Narrow(path.native()); }
#else
Path PathFromUtf8(std::string_view utf8) { return Path(std::string(utf8)); }
std::string Utf8FromPath(const Path& path) { return path.native(); }
#endif

}  // namespace xr::platform
