// The fixture builder's byte layouts, little-endian as the ZIP format stores them.
#include "support/zip_builder.h"

#include <zlib.h>

namespace xr::test {
namespace {

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::string RawDeflate(std::string_view data, int level) {
  z_stream stream{};
  deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::uint32_t Crc32(std::string_view data) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string IncompressibleBytes(std::size_t count, std::uint32_t seed) {
  std::string out(count, '\0');
  std::uint32_t x = seed * 2654435761u + 1;
  for (char& c : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x >> 24);
  }
  return out;
}

std::string LocalHeaderBytes(const LocalHeader& h) {
  std::string out = "PK\x03\x04";
  Put16(out, h.version);
  Put16(out, h.flags);
  Put16(out, h.method);
  Put16(out, h.time);
  Put16(out, h.date);
  Put32(out, h.crc);
  Put32(out, h.compressedSize);
  Put32(out, h.uncompressedSize);
  Put16(out, h.nameLengthOverride >= 0 ? static_cast<std::uint32_t>(h.nameLengthOverride)
                                       : static_cast<std::uint32_t>(h.name.size()));
  Put16(out, static_cast<std::uint32_t>(h.extra.size()));
  out += h.name;
  out += h.extra;
  return out;
}

std::string DescriptorBytes(std::uint32_t crc, std::uint32_t compressedSize,
                            std::uint32_t uncompressedSize, bool signature) {
  std::string out = signature ? "PK\x07\x08" : "";
  Put32(out, crc);
  Put32(out, compressedSize);
  Put32(out, uncompressedSize);
  return out;
}

ZipBuilder::Entry ZipBuilder::Add(std::string_view name, std::string_view data,
                                  const EntryForm& form) {
  const std::string stored = form.method == kDeflated ? RawDeflate(data) : std::string(data);
  Entry entry;
  entry.name = std::string(name);
  entry.method = form.method;
  entry.flags = form.streamed ? 0x08 : 0;
  entry.crc = Crc32(data);
  entry.compressedSize = static_cast<std::uint32_t>(stored.size());
  entry.uncompressedSize = static_cast<std::uint32_t>(data.size());
  entry.headerOffset = bytes_.size();

  LocalHeader header;
  header.flags = entry.flags;
  header.method = entry.method;
  header.name = entry.name;
  header.extra = form.extra;
  if (!form.streamed) {
    header.crc = entry.crc;
    header.compressedSize = entry.compressedSize;
    header.uncompressedSize = entry.uncompressedSize;
  }
  bytes_ += LocalHeaderBytes(header);
  entry.dataOffset = bytes_.size();
  bytes_ += stored;
  if (form.streamed) {
    bytes_ += DescriptorBytes(entry.crc, entry.compressedSize, entry.uncompressedSize,
                              form.descriptorSignature);
  }
  entries_.push_back(entry);
  return entries_.back();
}

std::uint64_t ZipBuilder::AddHeader(const LocalHeader& header) {
  bytes_ += LocalHeaderBytes(header);
  return bytes_.size();
}

ZipBuilder& ZipBuilder::Raw(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

ZipBuilder& ZipBuilder::Finish() {
  const std::uint64_t directoryOffset = bytes_.size();
  for (const Entry& e : entries_) {
    bytes_ += "PK\x01\x02";
    Put16(bytes_, 20);  // made by
    Put16(bytes_, 20);  // needed
    Put16(bytes_, e.flags);
    Put16(bytes_, e.method);
    Put16(bytes_, 0);
    Put16(bytes_, 0x21);
    Put32(bytes_, e.crc);
    Put32(bytes_, e.compressedSize);
    Put32(bytes_, e.uncompressedSize);
    Put16(bytes_, static_cast<std::uint32_t>(e.name.size()));
    Put16(bytes_, 0);  // extra
    Put16(bytes_, 0);  // comment
    Put16(bytes_, 0);  // disk
    Put16(bytes_, 0);  // internal attributes
    Put32(bytes_, 0);  // external attributes
    Put32(bytes_, static_cast<std::uint32_t>(e.headerOffset));
    bytes_ += e.name;
  }
  const std::uint64_t directorySize = bytes_.size() - directoryOffset;
  bytes_ += "PK\x05\x06";
  Put16(bytes_, 0);
  Put16(bytes_, 0);
  Put16(bytes_, static_cast<std::uint32_t>(entries_.size()));
  Put16(bytes_, static_cast<std::uint32_t>(entries_.size()));
  Put32(bytes_, static_cast<std::uint32_t>(directorySize));
  Put32(bytes_, static_cast<std::uint32_t>(directoryOffset));
  Put16(bytes_, 0);
  return *this;
}

}  // namespace xr::test
