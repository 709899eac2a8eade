// The folder packer: a depth-first walk in the platform's listing order feeding the writer.
#include "zip/pack_folder.h"

#include <string>

#include "platform/folder.h"
#include "platform/text.h"
#include "zip/zip_archive_writer.h"

namespace xr::zip {
namespace {

struct Walk {
  ZipArchiveWriter& writer;
  bool allAdded = true;

  // `prefix` is the entry name of `folder` followed by '/', or empty at the root. Each subfolder
  // is walked as soon as it is met, before the next item of its parent.
  void AddTree(const std::filesystem::path& folder, const std::string& prefix) {
    for (const platform::FolderItem& item : platform::ListFolder(folder)) {
      const std::filesystem::path path = folder / item.name;
      const std::string name = prefix + platform::Utf8FromPath(item.name);
      if (!item.isFolder) {
        if (writer.AddFile(name, path) != ZipOk) allAdded = false;
      } else if (name.size() + 2 <= kMaxEntryName) {
        AddTree(path, name + "/");
      } else if (!platform::ListFolder(path).empty()) {
        // No name below this folder would fit an entry. This also ends the walk of a folder link
        // that leads back up the tree.
        allAdded = false;
      }
    }
  }
};

}  // namespace

PackResult PackFolder(const std::filesystem::path& folder,
                      const std::filesystem::path& archivePath) {
  PackResult result;
  auto writer = ZipArchiveWriter::Create(archivePath);
  if (!writer) return result;
  Walk walk{*writer};
  if (!platform::IsFolder(folder)) walk.allAdded = false;
  walk.AddTree(folder, "");
  result.archiveCreated = writer->Close() == ZipOk;
  result.allFilesAdded = result.archiveCreated && walk.allAdded;
  return result;
}

}  // namespace xr::zip
