// Folders: create, remove, test, list in the platform's own order, delete a tree.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/error.h"

namespace xr::platform {

using Path = std::filesystem::path;

enum class MakeFolderResult { Created, AlreadyExists, Failed };

// Creates one folder (its parent must exist). `error` receives the system's code on failure.
MakeFolderResult MakeFolder(const Path& path, ErrorCode* error = nullptr);
// Removes an empty folder.
bool RemoveFolder(const Path& path);
bool IsFolder(const Path& path);

struct FolderItem {
  Path name;  // the item's own name, no folder part
  bool isFolder = false;
};

// The items of a folder in the order the platform's directory search reports them, without "."
// and "..". A folder that does not exist or cannot be searched gives an empty list.
std::vector<FolderItem> ListFolder(const Path& folder);

// Deletes every file and subfolder below `folder`, depth first; the folder itself stays.
// Failures of single deletions are ignored.
void DeleteTree(const Path& folder);

}  // namespace xr::platform
