// Keeps the files of one save run apart: two listed files with the same name (from different
// folders) would otherwise write the same archive and the same media folder.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace xr::save {

class SavedNames {
 public:
  // `listedNames` are the file names of every listed source. A name given to a later duplicate
  // never takes one of them, so a listed "Book1 (2).xlsx" keeps its own name too.
  explicit SavedNames(const std::vector<std::string>& listedNames);

  // The name under which the file called `fileName` is saved: its own name the first time, then
  // "Book1 (2).xlsx", "Book1 (3).xlsx", ... for the files after it.
  std::string Claim(std::string_view fileName);

  // The comparison key of a name. Windows file systems ignore letter case and trailing dots and
  // blanks; the key folds the common scripts' capitals (ASCII, Latin-1, Latin Extended-A, Greek,
  // Cyrillic) and drops those trailing characters. Wider than some file systems need, which only
  // costs an unneeded "(2)".
  static std::string Key(std::string_view name);

 private:
  std::set<std::string> listed_;
  std::set<std::string> taken_;
};

// "Book1.xlsx" and 2 give "Book1 (2).xlsx"; a name without an extension gets the number at its end.
std::string NumberedName(std::string_view fileName, int number);

}  // namespace xr::save
