// Byte forms of the ZIP headers the writer emits: little-endian, fixed field order.
#include "zip/zip_entry_record.h"

namespace xr::zip {
namespace {

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// Extended timestamp ("UT"). Both forms carry flags 0x07, which describe the local form's three
// times even though the central form holds only the modification time.
void PutTimestamp(std::string& out, const ZipEntryRecord& r, bool local) {
  out += "UT";
  Put16(out, local ? 13 : 5);
  out += static_cast<char>(0x07);
  Put32(out, static_cast<std::uint32_t>(r.modified));
  if (local) {
    Put32(out, static_cast<std::uint32_t>(r.accessed));
    Put32(out, static_cast<std::uint32_t>(r.created));
  }
}

// The run both headers share, from "version needed" to the extra field length; the central header
// has its "version made by" in front of it.
void PutSharedFields(std::string& out, const ZipEntryRecord& r, std::size_t extraSize) {
  Put16(out, r.versionNeeded);
  Put16(out, r.flags);
  Put16(out, r.method);
  Put16(out, r.dosTime);
  Put16(out, r.dosDate);
  Put32(out, r.crc32);
  Put32(out, r.compressedSize);
  Put32(out, r.uncompressedSize);
  Put16(out, static_cast<std::uint16_t>(r.name.size()));
  Put16(out, static_cast<std::uint16_t>(extraSize));
}

}  // namespace

std::string LocalHeaderBytes(const ZipEntryRecord& r) {
  std::string out;
  out.reserve(kLocalHeaderSize + r.name.size() + kLocalExtraSize);
  out += "PK\x03\x04";
  PutSharedFields(out, r, kLocalExtraSize);
  out += r.name;
  PutTimestamp(out, r, true);
  return out;
}

std::string CentralHeaderBytes(const ZipEntryRecord& r) {
  std::string out;
  out.reserve(kCentralHeaderSize + r.name.size() + kCentralExtraSize);
  out += "PK\x01\x02";
  Put16(out, r.versionMadeBy);
  PutSharedFields(out, r, kCentralExtraSize);
  Put16(out, 0);  // file comment length
  Put16(out, 0);  // disk number start
  Put16(out, 0);  // internal attributes
  Put32(out, r.externalAttributes);
  Put32(out, r.localHeaderOffset);
  out += r.name;
  PutTimestamp(out, r, false);
  return out;
}

std::string EndRecordBytes(std::uint16_t entries, std::uint32_t centralSize,
                           std::uint32_t centralOffset) {
  std::string out;
  out.reserve(kEndRecordSize);
  out += "PK\x05\x06";
  Put16(out, 0);  // this disk
  Put16(out, 0);  // disk of the central directory
  Put16(out, entries);
  Put16(out, entries);
  Put32(out, centralSize);
  Put32(out, centralOffset);
  Put16(out, 0);  // comment length
  return out;
}

}  // namespace xr::zip
