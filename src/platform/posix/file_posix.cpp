// Files through POSIX descriptors. POSIX has no mandatory share modes: an exclusive open cannot
// stop another process from opening the same file, so Share::None only means we share nothing
// ourselves.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/file.h"

namespace xr::platform {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kEpochDifference = 11'644'473'600LL;  // seconds from 1601 to 1970

std::int64_t ToTicks(const timespec& t) {
  return (static_cast<std::int64_t>(t.tv_sec) + kEpochDifference) * kTicksPerSecond +
         t.tv_nsec / 100;
}

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

File File::OpenRead(const Path& path, Share /*share*/, ErrorCode* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = LastError();
    return File();
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {  // Windows refuses to open a folder as a file
    ::close(fd);
    if (error) *error = EISDIR;
    return File();
  }
  return File(fd);
}

File File::Create(const Path& path, ErrorCode* error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = LastError();
    return File();
  }
  return File(fd);
}

std::optional<std::size_t> File::Read(void* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(Fd(handle_), buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) return std::nullopt;
  }
}

bool File::Write(const void* buffer, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (size > 0) {
    const ssize_t n = ::write(Fd(handle_), bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

std::uint64_t File::CopyFrom(File& from, std::uint64_t count, bool& failed) {
  // The kernel copies between the two files' caches itself, sparing the trip through our memory.
  failed = false;
  std::uint64_t copied = 0;
  while (copied < count) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(count - copied, 1u << 30));
    const ssize_t n = ::copy_file_range(Fd(from.handle_), nullptr, Fd(handle_), nullptr, want, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && copied == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                                 errno == EOPNOTSUPP || errno == EBADF)) {
      return CopyThroughBuffer(from, count, failed);  // not offered for these two files
    }
    if (n < 0) {
      failed = true;
      break;
    }
    if (n == 0) break;  // the end of `from`
    copied += static_cast<std::uint64_t>(n);
  }
  return copied;
}

bool File::Seek(std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
  return ::lseek(Fd(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::optional<std::uint64_t> File::Position() {
  const off_t at = ::lseek(Fd(handle_), 0, SEEK_CUR);
  if (at < 0) return std::nullopt;
  return static_cast<std::uint64_t>(at);
}

std::optional<std::uint64_t> File::Size() {
  struct stat st {};
  if (::fstat(Fd(handle_), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<FileInfo> File::Info() {
  struct stat st {};
  if (::fstat(Fd(handle_), &st) != 0) return std::nullopt;
  FileInfo info;
  // The nearest DOS attributes: read-only when the owner may not write, archive for every file as
  // Windows sets it on a file that was written.
  if (S_ISDIR(st.st_mode)) info.attributes |= kAttrDirectory;
  else info.attributes |= kAttrArchive;
  if ((st.st_mode & S_IWUSR) == 0) info.attributes |= kAttrReadOnly;
  info.times.lastWrite = ToTicks(st.st_mtim);
  info.times.lastAccess = ToTicks(st.st_atim);
  info.times.creation = ToTicks(st.st_ctim);  // POSIX keeps no creation time; the change time is nearest
  info.size = static_cast<std::uint64_t>(st.st_size);
  return info;
}

void File::Close() {
  if (handle_ != kInvalid) {
    ::close(Fd(handle_));
    handle_ = kInvalid;
  }
}

bool RemoveFile(const Path& path) { return ::unlink(path.c_str()) == 0; }

bool CopyFileReplacing(const Path& from, const Path& to) {
  File source = File::OpenRead(from, Share::Read);
  if (!source) return false;
  // Creating the target truncates it: copying a file onto itself would empty it. Windows refuses
  // that copy too (the source is open without write sharing).
  std::error_code ec;
  if (std::filesystem::equivalent(from, to, ec)) return false;
  File target = File::Create(to);
  if (!target) return false;
  unsigned char buffer[65536];
  for (;;) {
    const auto n = source.Read(buffer, sizeof buffer);
    if (!n) return false;
    if (*n == 0) return true;
    if (!target.Write(buffer, *n)) return false;
  }
}

}  // namespace xr::platform
