// Finds the pictures of a repaired package by walking its folder tree: copies them all out for
// the save run, or shows the first one in the preview pane.
#pragma once

#include <filesystem>

#include "engine/job_window.h"

namespace xr::save {

struct PictureCopy {
  bool walked = true;  // false when the walk was abandoned because memory ran out
  int found = 0;       // pictures met by the walk
  int copied = 0;      // of those, copied successfully
  bool Complete() const { return walked && copied == found; }
};

// Copies every picture below `sourceFolder` directly into `mediaFolder` (which the caller has
// created) under its own name, replacing a file of that name: the tree is flattened, and of two
// pictures with the same name the one the walk meets later is the one that stays. A failed copy
// does not end the walk; it shows in the counts.
PictureCopy CopyPictures(const std::filesystem::path& sourceFolder,
                         const std::filesystem::path& mediaFolder);

// Shows the first picture the walk meets below `folder` through `window.ShowPreviewImage`, sets
// `found` and ends the walk at once, at every level. `found` is the preview pane's flag, which the
// caller clears before the search; the walk looks at it before every item. Returns `found`.
bool FindFirstPicture(const std::filesystem::path& folder, engine::JobWindow& window, bool& found);

}  // namespace xr::save
