// The open-file dialog, the folder picker and the seam in front of them.
#include "ui/pickers.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace xr::ui {
namespace {

// One selection holds at most this many characters of names; the dialog refuses a larger one.
constexpr std::size_t kSelectionCapacity = 26101;
constexpr std::size_t kFolderCapacity = 520;

SourceFilesPicker& FilesSeam() {
  static SourceFilesPicker picker;
  return picker;
}

FolderPicker& FolderSeam() {
  static FolderPicker picker;
  return picker;
}

std::optional<std::vector<std::wstring>> SystemOpenDialog(HWND owner) {
  std::wstring buffer(kSelectionCapacity, L'\0');
  const std::wstring initial = L"*.xlsx";
  buffer.replace(0, initial.size(), initial);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"Xlsx File (*.xlsx)\0*.xlsx\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrDefExt = L"xlsx";
  dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;  // cancelled, or the names did not fit
  return SplitSelection(buffer.data(), buffer.size());
}

std::optional<std::wstring> SystemFolderPicker(HWND owner) {
  // The picker's new style needs the component services on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = L"Select path to save repaired file(s)";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  std::optional<std::wstring> chosen;
  if (PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse)) {
    wchar_t path[kFolderCapacity] = {};
    if (SHGetPathFromIDListEx(item, path, kFolderCapacity, GPFIDL_DEFAULT)) chosen = path;
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace

std::optional<std::vector<std::wstring>> PickSourceFiles(HWND owner) {
  if (const SourceFilesPicker& seam = FilesSeam()) return seam(owner);
  return SystemOpenDialog(owner);
}

std::optional<std::wstring> PickFolder(HWND owner) {
  if (const FolderPicker& seam = FolderSeam()) return seam(owner);
  return SystemFolderPicker(owner);
}

ScopedSourceFilesPicker::ScopedSourceFilesPicker(SourceFilesPicker picker)
    : previous_(std::exchange(FilesSeam(), std::move(picker))) {}
ScopedSourceFilesPicker::~ScopedSourceFilesPicker() { FilesSeam() = std::move(previous_); }

ScopedFolderPicker::ScopedFolderPicker(FolderPicker picker)
    : previous_(std::exchange(FolderSeam(), std::move(picker))) {}
ScopedFolderPicker::~ScopedFolderPicker() { FolderSeam() = std::move(previous_); }

std::vector<std::wstring> SplitSelection(const wchar_t* buffer, std::size_t capacity) {
  std::vector<std::wstring> parts;
  std::size_t at = 0;
  while (buffer && at < capacity && buffer[at] != L'\0') {
    std::size_t end = at;
    while (end < capacity && buffer[end] != L'\0') ++end;
    if (end == capacity) break;  // a name without its terminator is cut, not trusted
    parts.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;  // one full path, or nothing

  std::wstring folder = std::move(parts.front());
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> paths;
  paths.reserve(parts.size() - 1);
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace xr::ui
