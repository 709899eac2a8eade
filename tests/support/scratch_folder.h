// A fresh folder under the system's temporary folder for one test, deleted with everything in it
// when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace xr::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view relative) const;

  // Writes a file below the folder (creating its parent folders) and returns its path.
  std::filesystem::path Write(std::string_view relative, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadAll(const std::filesystem::path& file);

}  // namespace xr::test
