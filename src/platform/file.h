// Files opened, read, written and positioned through the operating system, with the sharing
// rules the repair and save runs depend on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/error.h"

namespace xr::platform {

using Path = std::filesystem::path;

// Who else may open a file while we hold it. On Windows this is the share mode of CreateFileW and
// is enforced by the system. POSIX has no mandatory sharing: an exclusive open there only promises
// that we do not share it ourselves; another process can still open the file.
enum class Share { None, Read };

// DOS attribute bits as the file system reports them (and as ZIP external attributes store them).
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

// File times as 100-nanosecond ticks since 1601-01-01 00:00 UTC (the Windows FILETIME scale).
struct FileTimes {
  std::int64_t creation = 0;
  std::int64_t lastAccess = 0;
  std::int64_t lastWrite = 0;
};

struct FileInfo {
  std::uint32_t attributes = 0;  // kAttr* bits
  FileTimes times;
  std::uint64_t size = 0;
};

// An open file; closes itself. Move-only.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file for reading.
  static File OpenRead(const Path& path, Share share, ErrorCode* error = nullptr);
  // Creates a file for reading and writing, replacing (truncating) an existing one; no sharing.
  static File Create(const Path& path, ErrorCode* error = nullptr);

  bool IsOpen() const { return handle_ != kInvalid; }
  explicit operator bool() const { return IsOpen(); }

  // Reads up to `size` bytes at the current position. Returns the number read (0 at the end of the
  // file), or nothing when the system reports a read error.
  std::optional<std::size_t> Read(void* buffer, std::size_t size);
  // Reads until `size` bytes are in or the file ends; returns how many arrived (errors end it too).
  std::size_t ReadFull(void* buffer, std::size_t size);
  // Copies up to `count` bytes from the current position of `from` to the current position of
  // this file and returns how many arrived: fewer when `from` ends first, or when a read or write
  // fails, which `failed` then tells.
  std::uint64_t CopyFrom(File& from, std::uint64_t count, bool& failed);
  // Writes all `size` bytes; false when fewer were written.
  bool Write(const void* buffer, std::size_t size);
  // Sets the position, counted from the first byte of the file.
  bool Seek(std::uint64_t offset);
  std::optional<std::uint64_t> Position();
  std::optional<std::uint64_t> Size();
  std::optional<FileInfo> Info();
  void Close();

 private:
  static constexpr std::intptr_t kInvalid = -1;
  explicit File(std::intptr_t handle) : handle_(handle) {}
  std::uint64_t CopyThroughBuffer(File& from, std::uint64_t count, bool& failed);
  std::intptr_t handle_ = kInvalid;
};

// (Not DeleteFile and CopyFile: <windows.h> defines those names as macros.)
bool RemoveFile(const Path& path);
// Copies a file, replacing an existing target.
bool CopyFileReplacing(const Path& from, const Path& to);

}  // namespace xr::platform
