// Folders through POSIX calls. readdir's order is the file system's own, as FindFirstFileW's is on
// Windows; nothing may depend on it.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/folder.h"

namespace xr::platform {

MakeFolderResult MakeFolder(const Path& path, ErrorCode* error) {
  if (::mkdir(path.c_str(), 0755) == 0) return MakeFolderResult::Created;
  const int code = errno;
  if (error) *error = static_cast<ErrorCode>(code);
  return code == EEXIST ? MakeFolderResult::AlreadyExists : MakeFolderResult::Failed;
}

bool RemoveFolder(const Path& path) { return ::rmdir(path.c_str()) == 0; }

bool IsFolder(const Path& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<FolderItem> ListFolder(const Path& folder) {
  std::vector<FolderItem> items;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return items;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    bool isFolder;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) {
      isFolder = entry->d_type == DT_DIR;
    } else {
      // A link counts as what it points to, as on Windows a junction's target is listed.
      struct stat st {};
      isFolder = ::stat((folder / name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    items.push_back({Path(name), isFolder});
  }
  ::closedir(dir);
  return items;
}

void DeleteTree(const Path& folder) {
  for (const FolderItem& item : ListFolder(folder)) {
    const Path path = folder / item.name;
    struct stat st {};
    // Never follow a link out of the tree: a link is removed, not walked.
    if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      DeleteTree(path);
      ::rmdir(path.c_str());
    } else {
      ::unlink(path.c_str());
    }
  }
}

}  // namespace xr::platform
