// The private workspace folder: a random name, created atomically, so two runs at the same moment
// never share one.
#include "cli/private_workspace.h"

#include <cstdio>
#include <random>

#include "platform/folder.h"
#include "platform/temp.h"

namespace xr::cli {

std::optional<platform::Path> MakePrivateWorkspace() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const platform::Path temp = platform::TempFolder();
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "xlsx-repair-%012llx",
                  static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
    const platform::Path folder = temp / name;
    switch (platform::MakeFolder(folder)) {
      case platform::MakeFolderResult::Created:
        return folder;
      case platform::MakeFolderResult::AlreadyExists:
        continue;
      case platform::MakeFolderResult::Failed:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace xr::cli
