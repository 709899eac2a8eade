// Entry extraction. Each entry opens and closes the source itself; at most one entry's compressed
// and uncompressed bytes are in memory at a time.
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
// so no buffer is allocated for it: a hostile header cannot make us reserve gigabytes.
constexpr std::uint64_t MaxInflatedSize(std::uint64_t inputBytes) {
  return inputBytes * 1032 + 65536;
}

// Untouched memory for `size` bytes (callers use only what they fill), or nothing.
Bytes Allocate(std::uint64_t size) {
  if (size == 0 || size > SIZE_MAX) return nullptr;
  return Bytes(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size)]);
}

// Writes a whole output file; a file that could not be written completely is removed, since a
// cut-short part would pass for a salvaged one.
void WriteOutput(const platform::Path& path, const std::uint8_t* bytes, std::size_t size) {
  platform::File file = platform::File::Create(path);
  if (!file) return;
  if (size > 0 && !file.Write(bytes, size)) {
    file.Close();
    platform::RemoveFile(path);
  }
}

// Reads the entry's data as stored in the source, no more than the source really holds from dataOffset on.
std::size_t ReadEntryData(const SalvagedEntry& entry, const std::string& sourcePath,
                            Bytes& buffer) {
  platform::File source =
      platform::File::OpenRead(platform::PathFromUtf8(sourcePath), platform::Share::None);
  if (!source) return 0;
  const auto size = source.Size();
  if (!size || entry.dataOffset >= *size) return 0;
  const std::uint64_t there = std::min<std::uint64_t>(entry.compressedSize, *size - entry.dataOffset);
  buffer = Allocate(there);
  if (!buffer || !source.Seek(entry.dataOffset)) return 0;
  return source.ReadFull(buffer.get(), static_cast<std::size_t>(there));
}

// Inflates `compressed` through a temporary "OPC" file in the system temporary folder.
void InflateEntry(const SalvagedEntry& entry, Bytes compressed, std::size_t compressedBytes,
                  const platform::Path& outputPath) {
  const auto temp = platform::MakeTempFile(platform::TempFolder(), "OPC");
  if (!temp) return;
  {
    platform::File file = platform::File::Create(*temp);
    if (!file || (compressedBytes > 0 && !file.Write(compressed.get(), compressedBytes))) {
      file.Close();
      platform::RemoveFile(*temp);
      return;
    }
  }
  compressed.reset();  // the adapter reads the file; the copy in memory is no longer needed

  RawInflater::Handle inflater = nullptr;
  if (RawInflater::Open(*temp, &inflater) != RawInflater::kOk) {
    platform::RemoveFile(*temp);
    return;
  }
  const std::uint64_t size = entry.uncompressedSize;
  Bytes output;
  const bool possible = size <= MaxInflatedSize(compressedBytes);
  if (possible && size > 0) output = Allocate(size);
  if (possible && (size == 0 || output) &&
      RawInflater::Inflate(inflater, static_cast<std::size_t>(size), output.get()) ==
          RawInflater::kOk) {
    WriteOutput(outputPath, output.get(), static_cast<std::size_t>(size));
  }
  output.reset();
  RawInflater::Close(inflater);
  platform::RemoveFile(*temp);
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
                  const platform::Path& outputPath) {
  if (entry.compressedSize == 0 && entry.uncompressedSize == 0) return;
  Bytes buffer;
  const std::size_t got = ReadEntryData(entry, sourcePath, buffer);
  const bool stored = entry.compressedSize != 0 && entry.compressedSize == entry.uncompressedSize;
  if (stored) {
    if (got > 0) WriteOutput(outputPath, buffer.get(), got);
    return;
  }
  InflateEntry(entry, std::move(buffer), got, outputPath);
}

bool ExtractEntries(const platform::Path& fileFolder, const std::string& sourcePath,
                    const SalvagedEntryList& entries, JobWindow& window) {
  if (entries.empty()) return false;
  ScaledProgress progress(window, ProgressBar::File);
  progress.Reset(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (const auto output = MakeEntryFolders(fileFolder, entries[i].entryPath, window)) {
      ExtractEntry(entries[i], sourcePath, *output);
    }
    progress.Set(i);  // the entry just done, not the count done
  }
  FixContentTypes(fileFolder);
  progress.Set(entries.size());
  return true;
}

}  // namespace xr::engine
