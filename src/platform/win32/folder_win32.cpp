// Folders through the Win32 directory calls; listing uses the "*.*" search in its reported order.
#include <windows.h>
#include <shlwapi.h>

#include "platform/folder.h"

namespace xr::platform {
namespace {

std::wstring WithBackslash(const Path& folder) {
  std::wstring text = folder.native();
  if (text.empty() || (text.back() != L'\\' && text.back() != L'/')) text += L'\\';
  return text;
}

bool IsDots(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

}  // namespace

MakeFolderResult MakeFolder(const Path& path, ErrorCode* error) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return MakeFolderResult::Created;
  const DWORD code = GetLastError();
  if (error) *error = code;
  return code == ERROR_ALREADY_EXISTS ? MakeFolderResult::AlreadyExists : MakeFolderResult::Failed;
}

bool RemoveFolder(const Path& path) { return RemoveDirectoryW(path.c_str()) != 0; }

bool IsFolder(const Path& path) { return !path.empty() && PathIsDirectoryW(path.c_str()) != FALSE; }

std::vector<FolderItem> ListFolder(const Path& folder) {
  std::vector<FolderItem> items;
  const std::wstring pattern = WithBackslash(folder) + L"*.*";
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return items;
  do {
    if (IsDots(data.cFileName)) continue;
    items.push_back({Path(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search, &data));
  FindClose(search);
  return items;
}

void DeleteTree(const Path& folder) {
  const std::wstring base = WithBackslash(folder);
  for (const FolderItem& item : ListFolder(folder)) {
    const std::wstring path = base + item.name.native();
    if (item.isFolder) {
      DeleteTree(path);
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
  }
}

}  // namespace xr::platform
