#include "support/scratch_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/temp.h"

namespace xr::test {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (;;) {
    path_ = platform::TempFolder() /
            ("xr-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (std::filesystem::create_directory(path_, ec)) break;
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  // Read-only files left by a test must not keep the folder alive.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path ScratchFolder::operator/(std::string_view relative) const {
  return path_ / std::filesystem::path(std::u8string(relative.begin(), relative.end()));
}

std::filesystem::path ScratchFolder::Write(std::string_view relative, std::string_view bytes) const {
  const auto file = *this / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace xr::test
