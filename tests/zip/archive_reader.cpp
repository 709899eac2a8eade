// The strict test reader of our archives.
#include "archive_reader.h"

#include <zlib.h>

namespace xr::test {
namespace {

bool Inflate(const std::string& in, std::string& out, bool& endsExactly) {
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) return false;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  char buffer[65536];
  int status;
  do {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    status = inflate(&z, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - z.avail_out);
  } while (status == Z_OK);
  endsExactly = status == Z_STREAM_END && z.avail_in == 0;
  inflateEnd(&z);
  return status == Z_STREAM_END;
}

// The fields from "version needed" to the uncompressed size stand in the same order in both
// headers: from offset 6 of a central header and from offset 4 of a local one.
void ReadSharedFields(const std::string& b, std::size_t at, ZipHeaderFields& h) {
  h.versionNeeded = Le16(b, at);
  h.flags = Le16(b, at + 2);
  h.method = Le16(b, at + 4);
  h.dosTime = Le16(b, at + 6);
  h.dosDate = Le16(b, at + 8);
  h.crc32 = Le32(b, at + 10);
  h.compressedSize = Le32(b, at + 14);
  h.uncompressedSize = Le32(b, at + 18);
}

}  // namespace

std::uint16_t Le16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(Le16(b, at)) | (static_cast<std::uint32_t>(Le16(b, at + 2)) << 16);
}

const ReadEntry* ReadArchive::Find(const std::string& name) const {
  for (const ReadEntry& e : entries) {
    if (e.central.name == name) return &e;
  }
  return nullptr;
}

ReadArchive ReadZip(const std::string& b) {
  ReadArchive archive;
  auto fail = [&](std::string why) {
    archive.error = std::move(why);
    return archive;
  };
  if (b.size() < 22) return fail("shorter than an end record");
  const std::size_t end = b.size() - 22;
  if (b.compare(end, 4, "PK\x05\x06") != 0) return fail("no end record in the last 22 bytes");
  if (Le16(b, end + 4) != 0 || Le16(b, end + 6) != 0) return fail("disk numbers not 0");
  archive.entriesOnDisk = Le16(b, end + 8);
  archive.entriesTotal = Le16(b, end + 10);
  archive.centralSize = Le32(b, end + 12);
  archive.centralOffset = Le32(b, end + 16);
  if (Le16(b, end + 20) != 0) return fail("archive comment present");
  if (static_cast<std::uint64_t>(archive.centralOffset) + archive.centralSize != end) {
    return fail("central directory does not end where the end record starts");
  }

  std::size_t at = archive.centralOffset;
  while (at < end) {
    if (end - at < 46 || b.compare(at, 4, "PK\x01\x02") != 0) return fail("bad central header");
    ReadEntry e;
    e.versionMadeBy = Le16(b, at + 4);
    ReadSharedFields(b, at + 6, e.central);
    const std::size_t n = Le16(b, at + 28), x = Le16(b, at + 30);
    e.commentLength = Le16(b, at + 32);
    e.diskStart = Le16(b, at + 34);
    e.internalAttributes = Le16(b, at + 36);
    e.externalAttributes = Le32(b, at + 38);
    e.localOffset = Le32(b, at + 42);
    if (end - at - 46 < n + x + e.commentLength) return fail("central header runs past the directory");
    e.central.name = b.substr(at + 46, n);
    e.centralExtra = b.substr(at + 46 + n, x);
    at += 46 + n + x + e.commentLength;

    const std::size_t lo = e.localOffset;
    if (lo + 30 > archive.centralOffset || b.compare(lo, 4, "PK\x03\x04") != 0) {
      return fail("no local header at the offset of " + e.central.name);
    }
    ReadSharedFields(b, lo + 4, e.local);
    const std::size_t ln = Le16(b, lo + 26), lx = Le16(b, lo + 28);
    e.dataOffset = lo + 30 + ln + lx;
    if (e.dataOffset + e.central.compressedSize > archive.centralOffset) {
      return fail("data of " + e.central.name + " runs into the central directory");
    }
    e.local.name = b.substr(lo + 30, ln);
    e.localExtra = b.substr(lo + 30 + ln, lx);
    const std::string data = b.substr(e.dataOffset, e.central.compressedSize);
    if (e.central.method == 0) {
      e.content = data;
      e.streamEndsExactly = true;
    } else if (e.central.method == 8) {
      if (!Inflate(data, e.content, e.streamEndsExactly)) return fail("bad deflate data in " + e.central.name);
    } else {
      return fail("unknown method in " + e.central.name);
    }
    archive.entries.push_back(std::move(e));
  }
  if (archive.entries.size() != archive.entriesTotal) return fail("entry count differs from the end record");
  return archive;
}

}  // namespace xr::test
