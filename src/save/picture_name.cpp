// Picture names: a fixed list of extensions, compared without regard to ASCII case.
#include "save/picture_name.h"

#include <array>

#include "save/save_paths.h"

namespace xr::save {
namespace {

// Only A to Z fold; every other byte, UTF-8 lead and continuation bytes included, compares
// exactly, so no non-ASCII letter can ever pass for one of the extensions.
char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (FoldAscii(text[i]) != lower[i]) return false;
  }
  return true;
}

}  // namespace

bool IsPictureName(std::string_view name) {
  static constexpr std::array<std::string_view, 6> kExtensions{"jpg", "bmp", "png", "gif", "emf", "jpeg"};
  const std::string_view own = FileNamePart(name);
  const auto dot = own.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = own.substr(dot + 1);
  for (const std::string_view candidate : kExtensions) {
    if (EqualsIgnoringAsciiCase(extension, candidate)) return true;
  }
  return false;
}

}  // namespace xr::save
