// The system's open-file dialog and folder picker behind a seam: the workspace view asks through
// these functions, and tests answer in place of the modal dialogs, which would block a headless run.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace xr::ui {

// Full paths of the .xlsx files chosen in the open-file dialog (multiple selection, filter
// "Xlsx File (*.xlsx)"), in the dialog's order; nothing when the dialog did not end with OK.
using SourceFilesPicker = std::function<std::optional<std::vector<std::wstring>>(HWND owner)>;
// The folder chosen in the folder picker (titled "Select path to save repaired file(s)"), as the
// system returns it; nothing when the picker was cancelled or the choice has no file-system path.
using FolderPicker = std::function<std::optional<std::wstring>(HWND owner)>;

std::optional<std::vector<std::wstring>> PickSourceFiles(HWND owner);
std::optional<std::wstring> PickFolder(HWND owner);

// Replace the system's dialog for as long as the object lives, then put back what was there.
class ScopedSourceFilesPicker {
 public:
  explicit ScopedSourceFilesPicker(SourceFilesPicker picker);
  ~ScopedSourceFilesPicker();
  ScopedSourceFilesPicker(const ScopedSourceFilesPicker&) = delete;
  ScopedSourceFilesPicker& operator=(const ScopedSourceFilesPicker&) = delete;

 private:
  SourceFilesPicker previous_;
};

class ScopedFolderPicker {
 public:
  explicit ScopedFolderPicker(FolderPicker picker);
  ~ScopedFolderPicker();
  ScopedFolderPicker(const ScopedFolderPicker&) = delete;
  ScopedFolderPicker& operator=(const ScopedFolderPicker&) = delete;

 private:
  FolderPicker previous_;
};

// The full paths in the result buffer of a multiple-selection dialog: either one full path, or a
// folder followed by file names, each ended by a null and the whole ended by an empty name.
// Nothing past `capacity` units is read, terminated or not.
std::vector<std::wstring> SplitSelection(const wchar_t* buffer, std::size_t capacity);

}  // namespace xr::ui
