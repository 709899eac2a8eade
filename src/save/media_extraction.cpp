// The picture walk: depth first, in the directory search's own order, with the files and the
// subfolders of one folder handled in one interleaved sequence.
#include "save/media_extraction.h"

#include <new>
#include <vector>

#include "platform/file.h"
#include "platform/folder.h"
#include "platform/text.h"
#include "save/picture_name.h"

namespace xr::save {
namespace {

// Visits the pictures below `root`; `visit(path, ownName)` returns false to end the walk. The walk
// keeps its own stack instead of recursing, so a deep tree salvaged from a hostile file cannot
// exhaust the thread's stack. A folder that cannot be searched is empty.
template <typename Visit>
void WalkPictures(const std::filesystem::path& root, Visit&& visit) {
  struct Level {
    std::filesystem::path folder;
    std::vector<platform::FolderItem> items;
    std::size_t next = 0;
  };
  std::vector<Level> stack;
  stack.push_back({root, platform::ListFolder(root)});
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.items.size()) {
      stack.pop_back();
      continue;
    }
    const platform::FolderItem& item = level.items[level.next++];
    std::filesystem::path path = level.folder / item.name;
    if (item.isFolder) {
      auto items = platform::ListFolder(path);
      stack.push_back({std::move(path), std::move(items)});  // `level` is not used after this
    } else if (IsPictureName(platform::Utf8FromPath(item.name))) {
      if (!visit(path, item.name)) return;
    }
  }
}

}  // namespace

PictureCopy CopyPictures(const std::filesystem::path& sourceFolder,
                         const std::filesystem::path& mediaFolder) {
  PictureCopy result;
  try {
    WalkPictures(sourceFolder, [&](const std::filesystem::path& picture, const std::filesystem::path& name) {
      ++result.found;
      if (platform::CopyFileReplacing(picture, mediaFolder / name)) ++result.copied;
      return true;
    });
  } catch (const std::bad_alloc&) {
    result.walked = false;
  }
  return result;
}

bool FindFirstPicture(const std::filesystem::path& folder, engine::JobWindow& window, bool& found) {
  if (found) return true;
  try {
    WalkPictures(folder, [&](const std::filesystem::path& picture, const std::filesystem::path&) {
      window.ShowPreviewImage(picture);
      found = true;
      return false;
    });
  } catch (const std::bad_alloc&) {
    // Nothing shown: the pane says there is no picture, which is all it can say.
  }
  return found;
}

}  // namespace xr::save
