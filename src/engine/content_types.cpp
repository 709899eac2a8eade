// The content-types fix-up.
#include "engine/content_types.h"

#include "platform/resource.h"

namespace xr::engine {

bool FixContentTypes(const platform::Path& fileFolder) {
  const auto content = platform::FindDataResource(kContentTypesResource);
  if (!content) return false;
  const platform::Path target = fileFolder / "[Content_Types].xml";

  if (platform::File existing = platform::File::OpenRead(target, platform::Share::Read)) {
    const auto size = existing.Size();
    if (size && *size >= content->size()) return true;
  } else {
    // Missing, or there but not readable (locked, no access): clear the way for the template.
    // When nothing is there this fails harmlessly.
    platform::RemoveFile(target);
  }

  platform::File file = platform::File::Create(target);
  if (!file) return false;
  if (!file.Write(content->data(), content->size())) {
    file.Close();
    platform::RemoveFile(target);  // a cut-short template would be saved as a broken part
    return false;
  }
  return true;
}

}  // namespace xr::engine
