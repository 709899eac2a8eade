// The folder tree the repair run fills and the save run and preview read: a root, one file folder
// per source row, the entry files below it.
#pragma once

#include <string_view>

#include "platform/file.h"

namespace xr::engine {

class RepairWorkspace {
 public:
  // The window's workspace: the system temporary folder followed by "XlsxTemp".
  static RepairWorkspace Default();
  explicit RepairWorkspace(platform::Path root) : root_(std::move(root)) {}

  const platform::Path& Root() const { return root_; }

  // The folder of the source row at `index`: the root, then the file name part of the source path
  // (UTF-8, as listed) directly followed by the index in decimal. The index suffix also keeps a
  // name such as ".." from ever naming anything but a child of the root.
  platform::Path FileFolder(std::string_view sourcePath, int index) const;

  // Deletes every file and subfolder below `folder`, depth first; the folder itself stays.
  // Failures of single deletions are ignored: what cannot be deleted now is retried by the next
  // clear.
  static void DeleteTree(const platform::Path& folder);

  // When the root is a folder: deletes its tree, then the root itself.
  void Clear() const;

 private:
  platform::Path root_;
};

}  // namespace xr::engine
