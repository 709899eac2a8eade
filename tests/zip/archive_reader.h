// A strict reader of the archives the writer produces, for tests: it trusts nothing, parses the end
// record, every central header and the local header it points to, and inflates each entry with
// zlib as an independent check of the data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xr::test {

struct ZipHeaderFields {
  std::uint16_t versionNeeded = 0;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  std::uint16_t dosTime = 0;
  std::uint16_t dosDate = 0;
  std::uint32_t crc32 = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t uncompressedSize = 0;
  std::string name;
  bool operator==(const ZipHeaderFields&) const = default;
};

struct ReadEntry {
  ZipHeaderFields central;
  ZipHeaderFields local;
  std::string centralExtra;
  std::string localExtra;
  std::uint16_t versionMadeBy = 0;
  std::uint16_t commentLength = 0;
  std::uint16_t diskStart = 0;
  std::uint16_t internalAttributes = 0;
  std::uint32_t externalAttributes = 0;
  std::uint32_t localOffset = 0;
  std::uint64_t dataOffset = 0;  // first byte after the local extra field
  std::string content;           // the entry's data, inflated when deflated
  bool streamEndsExactly = false;  // a deflated stream ends at the compressed size, no more
};

struct ReadArchive {
  std::string error;  // empty when the archive parsed completely
  std::uint16_t entriesOnDisk = 0;
  std::uint16_t entriesTotal = 0;
  std::uint32_t centralSize = 0;
  std::uint32_t centralOffset = 0;
  std::vector<ReadEntry> entries;
  const ReadEntry* Find(const std::string& name) const;
};

ReadArchive ReadZip(const std::string& bytes);

std::uint16_t Le16(const std::string& bytes, std::size_t at);
std::uint32_t Le32(const std::string& bytes, std::size_t at);

}  // namespace xr::test
