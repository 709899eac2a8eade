// Files through Win32 handles; the share mode is the system's, so an exclusive open really keeps
// every other opener out.
#include <windows.h>


#include "platform/file.h"

namespace xr::platform {
namespace {

HANDLE H(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::int64_t Ticks(const FILETIME& t) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime);
}

// ReadFile and WriteFile take 32-bit counts; larger requests go in pieces.
constexpr std::size_t kMaxPiece = 1u << 30;

}  // namespace

File File::OpenRead(const Path& path, Share share, ErrorCode* error) {
  const DWORD mode = share == Share::Read ? FILE_SHARE_READ : 0;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, mode, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    if (error) *error = GetLastError();
    return File();
  }
  return File(reinterpret_cast<std::intptr_t>(h));
}

File File::Create(const Path& path, ErrorCode* error) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    if (error) *error = GetLastError();
    return File();
  }
  return File(reinterpret_cast<std::intptr_t>(h));
}

std::optional<std::size_t> File::Read(void* buffer, std::size_t size) {
  DWORD read = 0;
  const DWORD want = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
  if (!ReadFile(H(handle_), buffer, want, &read, nullptr)) return std::nullopt;
  return read;
}

bool File::Write(const void* buffer, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (size > 0) {
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
    if (!WriteFile(H(handle_), bytes, piece, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

std::uint64_t File::CopyFrom(File& from, std::uint64_t count, bool& failed) {
  return CopyThroughBuffer(from, count, failed);
}

bool File::Seek(std::uint64_t offset) {
  LONG high = static_cast<LONG>(offset >> 32);
  const DWORD low = SetFilePointer(H(handle_), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
  return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

std::optional<std::uint64_t> File::Position() {
  LONG high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = SetFilePointer(H(handle_), 0, &high, FILE_CURRENT);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return std::nullopt;
  return (static_cast<std::uint64_t>(static_cast<DWORD>(high)) << 32) | low;
}

std::optional<std::uint64_t> File::Size() {
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetFileSize(H(handle_), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::optional<FileInfo> File::Info() {
  BY_HANDLE_FILE_INFORMATION data{};
  if (!GetFileInformationByHandle(H(handle_), &data)) return std::nullopt;
  FileInfo info;
  info.attributes = data.dwFileAttributes;
  info.times.creation = Ticks(data.ftCreationTime);
  info.times.lastAccess = Ticks(data.ftLastAccessTime);
  info.times.lastWrite = Ticks(data.ftLastWriteTime);
  info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return info;
}

void File::Close() {
  if (handle_ != kInvalid) {
    CloseHandle(H(handle_));
    handle_ = kInvalid;
  }
}

bool RemoveFile(const Path& path) { return DeleteFileW(path.c_str()) != 0; }

bool CopyFileReplacing(const Path& from, const Path& to) { return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0; }

}  // namespace xr::platform
