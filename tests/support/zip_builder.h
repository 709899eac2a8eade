// A tiny ZIP archive builder for test fixtures: local headers, entry data, data descriptors, a
// central directory and an end record, each written exactly as asked, so tests can also build the
// damaged forms (missing signatures, wrong sizes, no central directory) byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xr::test {

inline constexpr std::uint16_t kStored = 0;
inline constexpr std::uint16_t kDeflated = 8;

// The fields of a local file header, written as given (nothing is derived from the data).
struct LocalHeader {
  std::uint16_t version = 20;
  std::uint16_t flags = 0;
  std::uint16_t method = kDeflated;
  std::uint16_t time = 0;
  std::uint16_t date = 0x21;  // 1980-01-01
  std::uint32_t crc = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t uncompressedSize = 0;
  std::string name;
  std::string extra;
  // Written as the name length when set, instead of name.size() (for headers that lie).
  int nameLengthOverride = -1;
};

// How Add writes one entry.
struct EntryForm {
  std::uint16_t method = kDeflated;
  // Sizes and CRC-32 0 in the header, flag bit 3 set, a data descriptor after the data.
  bool streamed = false;
  bool descriptorSignature = true;  // the optional 50 4B 07 08 before the descriptor's fields
  std::string extra;
};

// A raw deflate stream (no zlib or gzip wrapper), as a ZIP entry holds it.
std::string RawDeflate(std::string_view data, int level = 6);
std::uint32_t Crc32(std::string_view data);
// `count` bytes that deflate cannot shrink (a fixed pseudo-random sequence).
std::string IncompressibleBytes(std::size_t count, std::uint32_t seed = 1);

std::string LocalHeaderBytes(const LocalHeader& header);
std::string DescriptorBytes(std::uint32_t crc, std::uint32_t compressedSize,
                            std::uint32_t uncompressedSize, bool signature = true);

class ZipBuilder {
 public:
  struct Entry {
    std::string name;
    std::uint16_t method = 0;
    std::uint16_t flags = 0;
    std::uint32_t crc = 0, compressedSize = 0, uncompressedSize = 0;
    std::uint64_t headerOffset = 0;
    std::uint64_t dataOffset = 0;
  };

  // Appends a well-formed entry (header, data, descriptor when streamed) and returns a copy of
  // its record.
  Entry Add(std::string_view name, std::string_view data, const EntryForm& form = {});
  // Appends a header exactly as given, without data; returns the offset just after it.
  std::uint64_t AddHeader(const LocalHeader& header);
  // Appends bytes as they are.
  ZipBuilder& Raw(std::string_view bytes);
  // Appends the central directory of every entry Add wrote, and the end record.
  ZipBuilder& Finish();

  const std::string& Bytes() const { return bytes_; }
  std::uint64_t Size() const { return bytes_.size(); }
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::string bytes_;
  std::vector<Entry> entries_;
};

}  // namespace xr::test
