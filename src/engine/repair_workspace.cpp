// The workspace naming rule and its clean-up.
#include "engine/repair_workspace.h"

#include <string>

#include "platform/folder.h"
#include "platform/temp.h"
#include "platform/text.h"

namespace xr::engine {

RepairWorkspace RepairWorkspace::Default() {
  // On Windows the temporary folder ends with a backslash, so "/" adds no separator of its own
  // and the root is exactly the folder text followed by "XlsxTemp".
  return RepairWorkspace(platform::TempFolder() / "XlsxTemp");
}

platform::Path RepairWorkspace::FileFolder(std::string_view sourcePath, int index) const {
  platform::Path name = platform::PathFromUtf8(sourcePath).filename();
  name += std::to_string(index);
  return root_ / name;
}

void RepairWorkspace::DeleteTree(const platform::Path& folder) { platform::DeleteTree(folder); }

void RepairWorkspace::Clear() const {
  if (!platform::IsFolder(root_)) return;
  DeleteTree(root_);
  platform::RemoveFolder(root_);
}

}  // namespace xr::engine
