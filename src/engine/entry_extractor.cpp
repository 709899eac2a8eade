// Entry extraction. Each entry opens and closes the source itself. Data moves in pieces of 128 KiB
// (source to output or to the temporary file, inflater to output), so memory stays small whatever
// the entry's size; only an entry that replaces an earlier one of the same path is inflated whole
// in memory first.
#include "engine/entry_extractor.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "engine/content_types.h"
#include "engine/entry_path.h"
#include "engine/raw_inflater.h"
#include "engine/scaled_progress.h"
#include "platform/error.h"
#include "platform/folder.h"
#include "platform/temp.h"
#include "platform/text.h"

namespace xr::engine {
namespace {

using Bytes = std::unique_ptr<std::uint8_t[]>;

// The most a raw deflate stream of `inputBytes` bytes can produce is 258 bytes for every two bits
// (a maximal match with one-bit codes), plus slack. A larger uncompressedSize can never be filled,
// so nothing is attempted for it: a hostile header cannot make us reserve gigabytes.
constexpr std::uint64_t MaxInflatedSize(std::uint64_t inputBytes) {
  return inputBytes * 1032 + 65536;
}

// Untouched memory for `size` bytes (callers use only what they fill), or nothing.
Bytes Allocate(std::uint64_t size) {
  if (size == 0 || size > SIZE_MAX) return nullptr;
  return Bytes(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size)]);
}

// The source opened at the entry's data, and how many of its bytes are really there (never more
// than compressedSize).
struct EntryData {
  platform::File source;
  std::uint64_t available = 0;
};

EntryData OpenEntryData(const SalvagedEntry& entry, const std::string& sourcePath) {
  EntryData data;
  data.source = platform::File::OpenRead(platform::PathFromUtf8(sourcePath), platform::Share::None);
  if (!data.source) return data;
  const auto size = data.source.Size();
  if (!size || entry.dataOffset >= *size || !data.source.Seek(entry.dataOffset)) return data;
  data.available = std::min<std::uint64_t>(entry.compressedSize, *size - entry.dataOffset);
  return data;
}

// Copies up to `count` bytes from `from` to the new file `to`; false, and no file left, when
// nothing could be copied or a read or write failed.
bool CopyInto(platform::File& from, std::uint64_t count, const platform::Path& to) {
  platform::File target = platform::File::Create(to);
  if (!target) return false;
  bool failed = false;
  if (target.CopyFrom(from, count, failed) == 0 || failed) {
    target.Close();
    platform::RemoveFile(to);
    return false;
  }
  return true;
}

// Inflates the stream in `inflater` to the output path, leaving no output file when it fails.
// An output file already there (an earlier entry of the same path, which a failing later entry
// must not destroy) is replaced only once the whole entry is inflated in memory; otherwise the
// output is written as it comes and removed when the stream turns out bad.
void InflateInto(RawInflater::Handle inflater, std::uint64_t size,
                 const platform::Path& outputPath) {
  const bool replacing =
      static_cast<bool>(platform::File::OpenRead(outputPath, platform::Share::Read));
  if (replacing) {
    Bytes output = Allocate(size);
    if (size > 0 && !output) return;
    if (RawInflater::Inflate(inflater, static_cast<std::size_t>(size), output.get()) !=
        RawInflater::kOk)
      return;
    platform::File file = platform::File::Create(outputPath);
    if (file && size > 0 && !file.Write(output.get(), static_cast<std::size_t>(size))) {
      file.Close();
      platform::RemoveFile(outputPath);  // a cut-short part would pass for a salvaged one
    }
    return;
  }
  platform::File file = platform::File::Create(outputPath);
  if (!file) return;
  const int result =
      RawInflater::InflateTo(inflater, size, [&file](std::span<const std::uint8_t> piece) {
        return file.Write(piece.data(), piece.size());
      });
  if (result != RawInflater::kOk) {
    file.Close();
    platform::RemoveFile(outputPath);
  }
}

// Inflates the entry through a temporary "OPC" file in the system temporary folder that holds
// exactly the entry's compressed bytes.
void InflateEntry(const SalvagedEntry& entry, EntryData data, const platform::Path& outputPath,
                  TempFileCleaner* cleaner) {
  const auto temp = platform::MakeTempFile(platform::TempFolder(), "OPC");
  if (!temp) return;
  const std::uint64_t compressedBytes = data.available;
  if (compressedBytes > 0 && !CopyInto(data.source, compressedBytes, *temp)) {
    platform::RemoveFile(*temp);
    return;
  }
  data.source.Close();

  RawInflater::Handle inflater = nullptr;
  if (RawInflater::Open(*temp, &inflater) != RawInflater::kOk) {
    platform::RemoveFile(*temp);
    return;
  }
  if (entry.uncompressedSize <= MaxInflatedSize(compressedBytes)) {
    InflateInto(inflater, entry.uncompressedSize, outputPath);
  }
  RawInflater::Close(inflater);
  if (cleaner) {
    cleaner->Remove(*temp);
  } else {
    platform::RemoveFile(*temp);
  }
}

}  // namespace

std::optional<platform::Path> MakeEntryFolders(const platform::Path& fileFolder,
                                               std::string_view entryPath, JobWindow& window) {
  const auto components = SafeEntryComponents(entryPath);
  if (!components) return std::nullopt;
  platform::Path path = fileFolder;
  for (std::size_t i = 0; i + 1 < components->size(); ++i) {
    path /= platform::PathFromUtf8((*components)[i]);
    platform::ErrorCode error = 0;
    if (platform::MakeFolder(path, &error) == platform::MakeFolderResult::Failed) {
      window.ShowMessage(platform::ErrorText(error), kMessageOk, false);
    }
  }
  return path / platform::PathFromUtf8(components->back());
}

void ExtractEntry(const SalvagedEntry& entry, const std::string& sourcePath,
                  const platform::Path& outputPath, TempFileCleaner* cleaner) {
  if (entry.compressedSize == 0 && entry.uncompressedSize == 0) return;
  EntryData data = OpenEntryData(entry, sourcePath);
  const bool stored = entry.compressedSize != 0 && entry.compressedSize == entry.uncompressedSize;
  if (stored) {
    if (data.available > 0) CopyInto(data.source, data.available, outputPath);
    return;
  }
  InflateEntry(entry, std::move(data), outputPath, cleaner);
}

bool ExtractEntries(const platform::Path& fileFolder, const std::string& sourcePath,
                    const SalvagedEntryList& entries, JobWindow& window) {
  if (entries.empty()) return false;
  ScaledProgress progress(window, ProgressBar::File);
  progress.Reset(entries.size());
  TempFileCleaner cleaner;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (const auto output = MakeEntryFolders(fileFolder, entries[i].entryPath, window)) {
      ExtractEntry(entries[i], sourcePath, *output, &cleaner);
    }
    progress.Set(i);  // the entry just done, not the count done
  }
  cleaner.Finish();  // no temporary file outlives its source file's extraction
  FixContentTypes(fileFolder);
  progress.Set(entries.size());
  return true;
}

}  // namespace xr::engine
