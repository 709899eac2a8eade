// Writes a single-disk ZIP archive in one pass: each entry's local header goes out with
// provisional values and is rewritten in place once the CRC and sizes are known, so the archive
// needs no data descriptors. Entries are deflated (zlib, level 8) or stored.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/error.h"
#include "platform/file.h"
#include "zip/zip_entry_record.h"
#include "zip/zip_result.h"

namespace xr::zip {

class ZipArchiveWriter {
 public:
  // Creates (or replaces) the archive file, held without sharing until Close. Nothing is written
  // yet. No writer when the file cannot be created (ZipCannotOpen); `error` then has the system's
  // code, and an existing file of that name is left as it was.
  static std::optional<ZipArchiveWriter> Create(const std::filesystem::path& archivePath,
                                                platform::ErrorCode* error = nullptr);

  ZipArchiveWriter(ZipArchiveWriter&&) noexcept = default;
  ZipArchiveWriter& operator=(ZipArchiveWriter&&) noexcept = default;

  // Appends the whole content of `sourcePath` as the entry `entryName`: UTF-8 bytes written
  // exactly as given, except that every '\' becomes '/'. An entry that does not end in ZipOk is
  // not listed in the central directory; bytes already written for it stay in the file, counted,
  // so later offsets remain right.
  ZipResult AddFile(std::string_view entryName, const std::filesystem::path& sourcePath);

  // Writes the central directory and the end record and closes the file. ZipOk only when every
  // byte of both went out; otherwise no end record is written and the archive is not valid. A
  // writer dropped without Close leaves an archive without a central directory.
  ZipResult Close();

 private:
  explicit ZipArchiveWriter(platform::File output);

  enum class DataStep { Ok, ReadFailed, WriteFailed, SizeChanged, CompressorFailed };
  struct DataProgress {
    std::uint32_t crc = 0;
    std::uint64_t read = 0;
    std::uint64_t written = 0;
  };

  DataStep CopyStored(platform::File& source, std::uint64_t expected, DataProgress& progress);
  DataStep CopyDeflated(platform::File& source, std::uint64_t expected, DataProgress& progress);
  // Reads the next block into input_ and runs the CRC and the count over it.
  std::optional<std::size_t> ReadBlock(platform::File& source, DataProgress& progress);
  bool WriteOut(const void* bytes, std::size_t size, DataProgress& progress);
  // After a failed write the file position is unknown; take it as the new byte count, or give
  // up on the archive when even that cannot be learnt.
  void Resynchronise();
  bool Fits(std::uint64_t entryBytes, std::size_t nameLength) const;

  platform::File output_;
  std::uint64_t byteCount_ = 0;    // bytes written so far: the offset of the next local header
  std::uint64_t centralSize_ = 0;  // bytes the central headers of records_ will take
  bool ended_ = false;
  bool broken_ = false;  // the output's position is unknown; nothing more can be written soundly
  ZipResult closeResult_ = ZipOk;
  std::vector<ZipEntryRecord> records_;
  std::vector<unsigned char> input_;
  std::vector<unsigned char> packed_;
};

}  // namespace xr::zip
