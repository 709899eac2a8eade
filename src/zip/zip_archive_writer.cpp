// The archive writer: entries in add order, then the central directory and the end record.
#include "zip/zip_archive_writer.h"

#include <zlib.h>

#include <algorithm>
#include <string>

#include "platform/clock.h"
#include "platform/time_zone.h"
#include "zip/entry_attributes.h"
#include "zip/entry_times.h"
#include "zip/stored_suffixes.h"

namespace xr::zip {
namespace {

constexpr std::size_t kBlockSize = 16384;
constexpr std::uint64_t kMax32 = 0xFFFFFFFF;
constexpr std::size_t kMaxEntries = 0xFFFF;
constexpr int kLevel = 8;
constexpr int kRawWindowBits = -15;
constexpr int kMemoryLevel = 8;

// zlib's compressBound in 64 bits (uLong is 32 bits on Windows): deflate never emits more.
std::uint64_t MaxDeflatedSize(std::uint64_t n) { return n + (n >> 12) + (n >> 14) + (n >> 25) + 13; }

std::uint32_t Crc(std::uint32_t crc, const unsigned char* bytes, std::size_t size) {
  // Blocks are at most kBlockSize, so the length fits zlib's uInt.
  return static_cast<std::uint32_t>(::crc32(crc, bytes, static_cast<uInt>(size)));
}

bool ValidName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxEntryName &&
         name.find('\0') == std::string_view::npos;
}

// Owns a zlib deflate stream for one entry.
class Deflater {
 public:
  Deflater() {
    ok_ = deflateInit2(&stream_, kLevel, Z_DEFLATED, kRawWindowBits, kMemoryLevel,
                       Z_DEFAULT_STRATEGY) == Z_OK;
  }
  ~Deflater() {
    if (ok_) deflateEnd(&stream_);
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  bool ok() const { return ok_; }
  z_stream& stream() { return stream_; }

 private:
  z_stream stream_{};
  bool ok_ = false;
};

}  // namespace

ZipArchiveWriter::ZipArchiveWriter(platform::File output)
    : output_(std::move(output)), input_(kBlockSize), packed_(kBlockSize) {}

std::optional<ZipArchiveWriter> ZipArchiveWriter::Create(const std::filesystem::path& archivePath,
                                                         platform::ErrorCode* error) {
  // The Unix times of the entries depend on the zone in force now.
  platform::ReloadTimeZone();
  platform::File output = platform::File::Create(archivePath, error);
  if (!output) return std::nullopt;
  return ZipArchiveWriter(std::move(output));
}

bool ZipArchiveWriter::Fits(std::uint64_t entryBytes, std::size_t nameLength) const {
  // The whole archive must stay addressable by 32-bit offsets and sizes, including the central
  // header this entry adds and the end record.
  const std::uint64_t total = byteCount_ + entryBytes + centralSize_ + kCentralHeaderSize +
                              nameLength + kCentralExtraSize + kEndRecordSize;
  return total <= kMax32;
}

void ZipArchiveWriter::Resynchronise() {
  const auto at = output_.Position();
  if (at) byteCount_ = *at;
  else broken_ = true;
}

bool ZipArchiveWriter::WriteOut(const void* bytes, std::size_t size, DataProgress& progress) {
  if (!output_.Write(bytes, size)) return false;
  progress.written += size;
  return true;
}

std::optional<std::size_t> ZipArchiveWriter::ReadBlock(platform::File& source,
                                                       DataProgress& progress) {
  const auto n = source.Read(input_.data(), input_.size());
  if (!n) return std::nullopt;
  progress.crc = Crc(progress.crc, input_.data(), *n);
  progress.read += *n;
  return n;
}

ZipArchiveWriter::DataStep ZipArchiveWriter::CopyStored(platform::File& source,
                                                        std::uint64_t expected,
                                                        DataProgress& progress) {
  for (;;) {
    const auto n = ReadBlock(source, progress);
    if (!n) return DataStep::ReadFailed;
    if (*n == 0) break;
    if (!WriteOut(input_.data(), *n, progress)) return DataStep::WriteFailed;
    // A file that grows while it is read would otherwise be followed without end (even into the
    // archive itself, should it lie inside the packed folder).
    if (progress.read > expected) return DataStep::SizeChanged;
  }
  return progress.read == expected ? DataStep::Ok : DataStep::SizeChanged;
}

ZipArchiveWriter::DataStep ZipArchiveWriter::CopyDeflated(platform::File& source,
                                                          std::uint64_t expected,
                                                          DataProgress& progress) {
  Deflater deflater;
  if (!deflater.ok()) return DataStep::CompressorFailed;
  z_stream& z = deflater.stream();
  int flush = Z_NO_FLUSH;
  while (flush != Z_FINISH) {
    const auto n = ReadBlock(source, progress);
    if (!n) return DataStep::ReadFailed;
    if (progress.read > expected) return DataStep::SizeChanged;
    flush = *n == 0 ? Z_FINISH : Z_NO_FLUSH;
    z.next_in = input_.data();
    z.avail_in = static_cast<uInt>(*n);
    int status;
    do {
      z.next_out = packed_.data();
      z.avail_out = static_cast<uInt>(packed_.size());
      status = deflate(&z, flush);
      if (status == Z_STREAM_ERROR) return DataStep::CompressorFailed;
      const std::size_t produced = packed_.size() - z.avail_out;
      if (produced > 0 && !WriteOut(packed_.data(), produced, progress)) {
        return DataStep::WriteFailed;
      }
      // With a whole empty output buffer zlib always moves; if it ever did not, stop rather
      // than spin.
      if (produced == 0 && status == Z_BUF_ERROR && flush == Z_FINISH) {
        return DataStep::CompressorFailed;
      }
    } while (z.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
  }
  return progress.read == expected ? DataStep::Ok : DataStep::SizeChanged;
}

ZipResult ZipArchiveWriter::AddFile(std::string_view entryName,
                                    const std::filesystem::path& sourcePath) {
  if (ended_) return ZipEnded;
  if (!ValidName(entryName)) return ZipBadArguments;
  if (broken_) return ZipWriteFailed;
  if (records_.size() >= kMaxEntries) return ZipTooLarge;

  ZipEntryRecord record;
  record.name.assign(entryName);
  std::replace(record.name.begin(), record.name.end(), '\\', '/');
  record.method = IsStoredName(record.name) ? kMethodStored : kMethodDeflated;

  platform::File source = platform::File::OpenRead(sourcePath, platform::Share::Read);
  if (!source) return ZipCannotOpen;
  const auto info = source.Info();
  if (!info) return ZipCannotOpen;
  const std::uint64_t size = info->size;

  const std::uint64_t headerBytes = kLocalHeaderSize + record.name.size() + kLocalExtraSize;
  const std::uint64_t maxData = record.method == kMethodStored ? size : MaxDeflatedSize(size);
  if (size > kMax32 || !Fits(headerBytes + maxData, record.name.size())) return ZipTooLarge;

  const bool executable = IsExecutableImage(source, size);
  if (!source.Seek(0)) return ZipCannotOpen;
  const EntryTimes times = ComputeEntryTimes(info->times, platform::LocalMinusUtcNow());

  record.flags = kFlagSizesFollow;
  record.dosDate = times.dosDate;
  record.dosTime = times.dosTime;
  record.modified = times.modified;
  record.accessed = times.accessed;
  record.created = times.created;
  record.compressedSize = record.method == kMethodStored ? static_cast<std::uint32_t>(size) : 0;
  record.uncompressedSize = static_cast<std::uint32_t>(size);
  record.externalAttributes = ExternalAttributes(info->attributes, executable);
  record.localHeaderOffset = static_cast<std::uint32_t>(byteCount_);

  const std::string provisional = LocalHeaderBytes(record);
  if (!output_.Write(provisional.data(), provisional.size())) {
    Resynchronise();
    return ZipWriteFailed;
  }
  byteCount_ += provisional.size();

  DataProgress progress;
  const DataStep step = record.method == kMethodStored ? CopyStored(source, size, progress)
                                                       : CopyDeflated(source, size, progress);
  source.Close();
  if (step == DataStep::WriteFailed) {
    Resynchronise();
    return ZipWriteFailed;
  }
  byteCount_ += progress.written;
  switch (step) {
    case DataStep::Ok: break;
    case DataStep::ReadFailed: return ZipCannotOpen;
    case DataStep::SizeChanged: return ZipSourceChanged;
    default: return ZipWriteFailed;
  }
  // The projection before the copy bounds the data, but check what was really written.
  if (progress.written > kMax32 || !Fits(0, record.name.size())) return ZipTooLarge;

  record.flags = record.method == kMethodDeflated ? kFlagMaximumCompression : 0;
  record.crc32 = progress.crc;
  record.compressedSize = static_cast<std::uint32_t>(progress.written);
  record.uncompressedSize = static_cast<std::uint32_t>(progress.read);

  const std::string finished = LocalHeaderBytes(record);
  const bool rewritten = output_.Seek(record.localHeaderOffset) &&
                         output_.Write(finished.data(), finished.size());
  if (!output_.Seek(byteCount_)) broken_ = true;
  if (!rewritten) return ZipWriteFailed;

  centralSize_ += kCentralHeaderSize + record.name.size() + kCentralExtraSize;
  records_.push_back(std::move(record));
  return ZipOk;
}

ZipResult ZipArchiveWriter::Close() {
  if (ended_) return closeResult_;
  ended_ = true;
  const std::uint64_t centralOffset = byteCount_;
  std::vector<ZipEntryRecord> records = std::move(records_);
  records_.clear();

  if (broken_) {
    closeResult_ = ZipWriteFailed;
  } else if (centralOffset + centralSize_ + kEndRecordSize > kMax32) {
    closeResult_ = ZipTooLarge;  // only when a file grew past every projection
  } else {
    // The directory goes out in pieces of about one block, so a long one is not held twice.
    std::string pending;
    bool written = true;
    for (const ZipEntryRecord& record : records) {
      pending += CentralHeaderBytes(record);
      if (pending.size() >= kBlockSize) {
        written = output_.Write(pending.data(), pending.size());
        if (!written) break;
        byteCount_ += pending.size();
        pending.clear();
      }
    }
    if (written) {
      pending += EndRecordBytes(static_cast<std::uint16_t>(records.size()),
                                static_cast<std::uint32_t>(centralSize_),
                                static_cast<std::uint32_t>(centralOffset));
      written = output_.Write(pending.data(), pending.size());
      if (written) byteCount_ += pending.size();
    }
    closeResult_ = written ? ZipOk : ZipWriteFailed;
  }
  output_.Close();
  return closeResult_;
}

}  // namespace xr::zip
