// One entry of an archive as its central directory lists it, and the byte forms of the local
// header, the central header and the end record built from it.
#pragma once

#include <cstdint>
#include <string>

namespace xr::zip {

inline constexpr std::uint16_t kVersionMadeBy = 0x0B17;  // host system 11, format version 2.3
inline constexpr std::uint16_t kVersionNeeded = 20;
inline constexpr std::uint16_t kMethodStored = 0;
inline constexpr std::uint16_t kMethodDeflated = 8;
inline constexpr std::uint16_t kFlagMaximumCompression = 0x0002;
inline constexpr std::uint16_t kFlagSizesFollow = 0x0008;

inline constexpr std::size_t kMaxEntryName = 259;
inline constexpr std::size_t kLocalHeaderSize = 30;
inline constexpr std::size_t kLocalExtraSize = 17;
inline constexpr std::size_t kCentralHeaderSize = 46;
inline constexpr std::size_t kCentralExtraSize = 9;
inline constexpr std::size_t kEndRecordSize = 22;

struct ZipEntryRecord {
  std::uint16_t versionMadeBy = kVersionMadeBy;
  std::uint16_t versionNeeded = kVersionNeeded;
  std::uint16_t flags = 0;
  std::uint16_t method = kMethodDeflated;
  std::uint16_t dosTime = 0;
  std::uint16_t dosDate = 0;
  std::uint32_t crc32 = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint32_t externalAttributes = 0;
  std::uint32_t localHeaderOffset = 0;
  // Seconds since 1970-01-01 UTC for the extended timestamp field; only the modification time
  // reaches the central header.
  std::int32_t modified = 0;
  std::int32_t accessed = 0;
  std::int32_t created = 0;
  std::string name;  // the bytes written, at most kMaxEntryName of them
};

// Local header, name and 17-byte extended timestamp: kLocalHeaderSize + name + kLocalExtraSize.
std::string LocalHeaderBytes(const ZipEntryRecord& record);
// Central header, name and 9-byte extended timestamp.
std::string CentralHeaderBytes(const ZipEntryRecord& record);
// End-of-central-directory record: no comment, single disk.
std::string EndRecordBytes(std::uint16_t entries, std::uint32_t centralSize,
                           std::uint32_t centralOffset);

}  // namespace xr::zip
