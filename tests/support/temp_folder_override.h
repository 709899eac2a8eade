// Points the system temporary folder of this process at another folder while the object lives
// (TMPDIR on POSIX, TMP and TEMP on Windows), so a test can see every temporary file the code
// under test makes, undisturbed by other tests running at the same time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace xr::test {

class TempFolderOverride {
 public:
  explicit TempFolderOverride(const std::filesystem::path& folder);
  ~TempFolderOverride();
  TempFolderOverride(const TempFolderOverride&) = delete;
  TempFolderOverride& operator=(const TempFolderOverride&) = delete;

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace xr::test
