// The salvage scan. Its window rule: a four-byte window is read at the position, and before every
// read a position above 4 first steps back 3 bytes. So the windows start at offsets 0, 4, 5, 6, ...
// one byte apart from 4 on; windows at offsets 1 to 3 are never examined, and a window after a
// skip starts 3 bytes before the skip's end. The scan reads through ScanBuffer and passes quickly
// over bytes that cannot start a signature, but examines exactly these windows and finds
// exactly the entries the one-window-per-read form would.
#include "engine/salvage_scanner.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "engine/log_lines.h"
#include "engine/scan_buffer.h"
#include "platform/error.h"
#include "platform/text.h"

namespace xr::engine {
namespace {

constexpr std::size_t kHeaderFieldsSize = 26;      // offsets 4 to 29 of a local header
constexpr std::size_t kDescriptorFieldsSize = 12;  // CRC-32, compressed and uncompressed size
constexpr std::uint16_t kDeflated = 8;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// What a window holds: "PK" followed by 3 4 (local header) or 7 8 (data descriptor).
enum class Signature { LocalHeader, Descriptor };

// Where the window search ended.
struct Hit {
  std::uint64_t offset = 0;
  Signature signature = Signature::LocalHeader;
};

// The window that follows a window at `offset` read in full: its position after the read is
// offset + 4, and stepping back 3 from there gives offset + 1, except after the window at 0.
std::uint64_t NextWindow(std::uint64_t offset) { return offset == 0 ? 4 : offset + 1; }

// Whether a "PK" pair starts at any of the 64 positions from p (reads p[0] to p[64]). Written as a
// plain fixed-length loop that compilers turn into vector compares, so the bytes between pairs,
// which in deflated data turn up once in 64 KiB, are passed over many at a time.
bool AnyPkPairIn64(const std::uint8_t* p) {
  std::uint8_t any = 0;
  for (int k = 0; k < 64; ++k) {
    any |= static_cast<std::uint8_t>((p[k] == 'P') & (p[k + 1] == 'K'));
  }
  return any != 0;
}

// The first i in [at, end) where bytes[i] and bytes[i + 1] are "PK", or end; bytes[end] must be
// readable.
std::size_t FindPkPair(const std::uint8_t* bytes, std::size_t at, std::size_t end) {
  while (at + 64 <= end && !AnyPkPairIn64(bytes + at)) at += 64;
  for (; at < end; ++at) {
    if (bytes[at] == 'P' && bytes[at + 1] == 'K') return at;
  }
  return end;
}

// The first window from `window` on (following NextWindow) that holds a wanted signature. Nothing
// when the file ends first or the run flag is found cleared. Only windows read in full can match:
// the loop of the one-read-per-window form reads a window at w only while w + 3 is below the
// length, and such a window is always complete.
std::optional<Hit> FindWindow(ScanBuffer& buffer, std::uint64_t window, bool descriptorsToo,
                              const std::atomic<int>& runFlag) {
  const std::uint64_t length = buffer.Length();
  const auto match = [&](const std::uint8_t* p) -> std::optional<Signature> {
    if (p[0] != 'P' || p[1] != 'K') return std::nullopt;
    if (p[2] == 3 && p[3] == 4) return Signature::LocalHeader;
    if (descriptorsToo && p[2] == 7 && p[3] == 8) return Signature::Descriptor;
    return std::nullopt;
  };
  if (window == 0) {
    if (runFlag.load(std::memory_order_relaxed) == 0) return std::nullopt;
    const auto view = buffer.View(0, 4);
    if (view.size() < 4) return std::nullopt;
    if (const auto found = match(view.data())) return Hit{0, *found};
    window = NextWindow(0);
  }
  while (window + 4 <= length) {
    if (runFlag.load(std::memory_order_relaxed) == 0) return std::nullopt;
    const auto view = buffer.View(window, ScanBuffer::kCapacity);
    if (view.size() < 4) return std::nullopt;  // the file ended early or could not be read
    const std::uint8_t* bytes = view.data();
    const std::size_t starts = view.size() - 3;  // windows that lie wholly inside the view
    std::size_t at = 0;
    while (at < starts) {
      at = FindPkPair(bytes, at, starts);
      if (at == starts) break;
      if (const auto found = match(bytes + at)) return Hit{window + at, *found};
      if (runFlag.load(std::memory_order_relaxed) == 0) return std::nullopt;
      ++at;
    }
    window += starts;
  }
  return std::nullopt;
}

// Sizes from a data descriptor. The search starts with the window 3 bytes before `nameEnd` and
// ends at the first local header (no sizes) or descriptor; a descriptor cut short by the end of
// the file gives no sizes either, since its fields could not be read.
std::optional<std::pair<std::uint32_t, std::uint32_t>> FindDescriptorSizes(
    ScanBuffer& buffer, std::uint64_t nameEnd, const std::atomic<int>& runFlag) {
  if (nameEnd >= buffer.Length()) return std::nullopt;
  const auto hit = FindWindow(buffer, nameEnd - 3, true, runFlag);
  if (!hit || hit->signature != Signature::Descriptor) return std::nullopt;
  const auto fields = buffer.View(hit->offset + 4, kDescriptorFieldsSize);
  if (fields.size() < kDescriptorFieldsSize) return std::nullopt;
  return std::pair{U32(fields.data() + 4), U32(fields.data() + 8)};
}

std::string EntryPathFromName(std::span<const std::uint8_t> name) {
  const auto* begin = reinterpret_cast<const char*>(name.data());
  std::size_t size = std::find(begin, begin + name.size(), '\0') - begin;
  size = std::min(size, kMaxEntryPathBytes);
  std::string path(begin, size);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace

void ScanEntries(platform::File& file, std::uint64_t length, const std::atomic<int>& runFlag,
                 SalvagedEntryList& entries) {
  ScanBuffer buffer(file, length);
  std::uint64_t position = 0;
  while (position < length) {
    const std::uint64_t window = position > 4 ? position - 3 : position;
    const auto hit = FindWindow(buffer, window, false, runFlag);
    if (!hit) return;

    // Every field of the header comes from the damaged file; a header or name cut short by the
    // end of the file is not used, and nothing follows it to scan.
    const auto fields = buffer.View(hit->offset + 4, kHeaderFieldsSize);
    if (fields.size() < kHeaderFieldsSize) return;
    const std::uint16_t method = U16(fields.data() + 4);
    std::uint32_t compressedSize = U32(fields.data() + 14);
    std::uint32_t uncompressedSize = U32(fields.data() + 18);
    const std::uint16_t nameLength = U16(fields.data() + 22);
    const std::uint16_t extraLength = U16(fields.data() + 24);

    const std::uint64_t nameStart = hit->offset + 4 + kHeaderFieldsSize;
    const auto name = buffer.View(nameStart, nameLength);  // nameLength < kCapacity
    if (name.size() < nameLength) return;
    SalvagedEntry entry;
    entry.entryPath = EntryPathFromName(name);
    const std::uint64_t nameEnd = nameStart + nameLength;

    // Sizes written after the data: only a deflated entry is searched for its descriptor, and the
    // general purpose flag is not consulted.
    if (compressedSize == 0 && uncompressedSize == 0 && method == kDeflated) {
      if (const auto sizes = FindDescriptorSizes(buffer, nameEnd, runFlag)) {
        compressedSize = sizes->first;
        uncompressedSize = sizes->second;
      }
    }

    entry.compressedSize = compressedSize;
    entry.uncompressedSize = uncompressedSize;
    entry.dataOffset = nameEnd + extraLength;
    // Folders, empty files and streamed entries whose descriptor was not found have both sizes 0.
    if ((compressedSize != 0 || uncompressedSize != 0) && !entry.entryPath.empty()) {
      entries.push_back(std::move(entry));
    }
    // Known data is skipped; with a compressed size of 0 the windows run on through the data. A
    // size that points past the end simply ends the scan.
    position = nameEnd + extraLength + compressedSize;
  }
}

bool ScanSource(const std::string& sourcePath, JobWindow& window, SalvagedEntryList& entries) {
  platform::ErrorCode error = 0;
  platform::File file =
      platform::File::OpenRead(platform::PathFromUtf8(sourcePath), platform::Share::None, &error);
  if (!file) {
    window.ShowMessage(platform::ErrorText(error), kMessageOk, false);
    return false;
  }
  window.AppendLog(LogFileOpened(sourcePath), kBlack);
  // A size that cannot be read leaves nothing to scan; the file still counts as opened.
  const std::uint64_t length = file.Size().value_or(0);
  ScanEntries(file, length, window.RunFlag(), entries);
  window.AppendLog(LogFileExtracted(sourcePath), kBlack);
  file.Close();
  window.AppendLog(LogFileClosed(sourcePath), kBlack);
  return true;
}

}  // namespace xr::engine
