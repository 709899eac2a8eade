// The byte layout of finished archives: end record, headers, extra fields and data, read back by
// the strict reader with zlib as the oracle for the deflated data.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "archive_reader.h"
#include "support/scratch_folder.h"
#include "zip/pack_folder.h"
#include "zip/zip_archive_writer.h"

namespace xr::zip {
namespace {

using test::ReadAll;
using test::ReadZip;
using test::ScratchFolder;

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rnd(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(rnd());
  return out;
}

std::string Repeated(std::string_view piece, std::size_t size) {
  std::string out;
  while (out.size() < size) out += piece;
  out.resize(size);
  return out;
}

std::uint32_t CrcOf(const std::string& bytes) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

TEST(ZipArchiveLayout, EmptyFolderGivesExactlyTheEndRecord) {
  ScratchFolder scratch;
  std::filesystem::create_directories(scratch / "package/empty/deeper");
  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_TRUE(result.allFilesAdded);
  EXPECT_EQ(ReadAll(archive), std::string("PK\x05\x06", 4) + std::string(18, '\0'))
      << "an empty folder tree must give the bare 22-byte end record";
}

TEST(ZipArchiveLayout, ZeroLengthFileIsTheTwoByteEmptyDeflateStream) {
  ScratchFolder scratch;
  scratch.Write("package/calcChain.xml", "");
  const auto archive = scratch / "out.zip";
  ASSERT_TRUE(PackFolder(scratch / "package", archive).allFilesAdded);
  const auto read = ReadZip(ReadAll(archive));
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), 1u);
  const auto& e = read.entries[0];
  EXPECT_EQ(e.central.method, 8);
  EXPECT_EQ(e.central.flags, 2);
  EXPECT_EQ(e.central.crc32, 0u);
  EXPECT_EQ(e.central.uncompressedSize, 0u);
  EXPECT_EQ(e.central.compressedSize, 2u);
  EXPECT_EQ(ReadAll(archive).substr(e.dataOffset, 2), std::string("\x03\x00", 2));
}

// Files of every shape the data path has: empty, tiny, exactly one block, many blocks of text,
// many blocks of noise that does not shrink, and a stored archive that spans several blocks.
TEST(ZipArchiveLayout, EveryLocalHeaderMatchesItsCentralHeaderAndTheDataRoundTrips) {
  ScratchFolder scratch;
  const std::vector<std::pair<std::string, std::string>> files = {
      {"[Content_Types].xml", "<Types/>"},
      {"xl/calcChain.xml", ""},
      {"xl/worksheets/sheet1.xml", Repeated("<row><c><v>12.5</v></c></row>", 16384)},
      {"xl/worksheets/sheet2.xml", Repeated("<c r=\"A1\" t=\"s\"><v>7</v></c>", 300000)},
      {"xl/media/image1.png", RandomBytes(70000, 1)},
      {"xl/embeddings/data.ZIP", RandomBytes(40000, 2)},
  };
  for (const auto& [name, bytes] : files) scratch.Write("package/" + name, bytes);
  const auto archive = scratch / "out.xlsx";
  ASSERT_TRUE(PackFolder(scratch / "package", archive).allFilesAdded);

  const std::string bytes = ReadAll(archive);
  const auto read = ReadZip(bytes);
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), files.size());
  EXPECT_EQ(read.entriesOnDisk, files.size());

  std::uint64_t expectedOffset = 0;
  for (const auto& e : read.entries) {
    SCOPED_TRACE(e.central.name);
    EXPECT_EQ(e.local, e.central) << "local header differs from the central header";
    EXPECT_EQ(e.central.flags & 0x0008, 0) << "bit 3 (data descriptor) must be clear";
    EXPECT_EQ(e.versionMadeBy, 0x0B17);
    EXPECT_EQ(e.central.versionNeeded, 20);
    EXPECT_EQ(e.commentLength, 0);
    EXPECT_EQ(e.diskStart, 0);
    EXPECT_EQ(e.internalAttributes, 0);
    EXPECT_EQ(e.localOffset, expectedOffset) << "entries must follow each other without gaps";
    EXPECT_TRUE(e.streamEndsExactly) << "deflate stream must end exactly at the compressed size";

    ASSERT_EQ(e.localExtra.size(), 17u);
    EXPECT_EQ(e.localExtra.substr(0, 5), std::string("UT\x0D\x00\x07", 5));
    ASSERT_EQ(e.centralExtra.size(), 9u);
    EXPECT_EQ(e.centralExtra.substr(0, 5), std::string("UT\x05\x00\x07", 5));
    EXPECT_EQ(e.centralExtra.substr(5), e.localExtra.substr(5, 4))
        << "central timestamp must be the local modification time";

    const auto source = std::find_if(files.begin(), files.end(),
                                     [&](const auto& f) { return f.first == e.central.name; });
    ASSERT_NE(source, files.end()) << "unexpected entry";
    EXPECT_EQ(e.content, source->second) << "content differs from the source file";
    EXPECT_EQ(e.central.crc32, CrcOf(source->second));
    EXPECT_EQ(e.central.uncompressedSize, source->second.size());
    expectedOffset = e.dataOffset + e.central.compressedSize;
  }
  EXPECT_EQ(read.centralOffset, expectedOffset);
  EXPECT_EQ(bytes.find(std::string("PK\x07\x08", 4)), std::string::npos)
      << "no data descriptor may follow any entry";
}

TEST(ZipArchiveLayout, MethodFollowsTheStoredSuffixOfTheWholeName) {
  struct Case {
    const char* name;
    std::uint16_t method;
    std::uint16_t flags;
  };
  const Case cases[] = {
      {"xl/embeddings/data.ZIP", 0, 0}, {"a.tar.gz", 0, 0},      {"x.Z", 0, 0},
      {"x.z", 0, 0},                    {"old.ZoO", 0, 0},       {"b.arc", 0, 0},
      {"c.lzh", 0, 0},                  {"d.ARJ", 0, 0},         {"e.tgz", 0, 0},
      {"book.tgz.bak", 8, 2},           {"Makefile", 8, 2},      {"a.zip/inner", 8, 2},
      {"archive.zipx", 8, 2},           {".gz", 0, 0},           {"xl/media/image1.png", 8, 2},
  };
  ScratchFolder scratch;
  const auto source = scratch.Write("source.bin", Repeated("data ", 3000));
  const auto archive = scratch / "out.zip";
  {
    auto writer = ZipArchiveWriter::Create(archive);
    ASSERT_TRUE(writer);
    for (const Case& c : cases) ASSERT_EQ(writer->AddFile(c.name, source), ZipOk) << c.name;
    ASSERT_EQ(writer->Close(), ZipOk);
  }
  const auto read = ReadZip(ReadAll(archive));
  ASSERT_EQ(read.error, "");
  for (const Case& c : cases) {
    const auto* e = read.Find(c.name);
    ASSERT_NE(e, nullptr) << c.name;
    EXPECT_EQ(e->central.method, c.method) << c.name;
    EXPECT_EQ(e->central.flags, c.flags) << c.name;
    EXPECT_EQ(e->content, ReadAll(source)) << c.name;
    if (c.method == 8) {
      EXPECT_LT(e->central.compressedSize, 1000u) << "text must shrink: " << c.name;
    }
  }
}

TEST(ZipArchiveLayout, NamesAreWrittenByteForByteWithBackslashesTurnedToSlashes) {
  const std::pair<std::string, std::string> cases[] = {
      {"xl\\worksheets\\sheet1.xml", "xl/worksheets/sheet1.xml"},
      {"xl/media/Bild \xC3\xA4\xE2\x82\xAC.png", "xl/media/Bild \xC3\xA4\xE2\x82\xAC.png"},
      // Bytes that are not UTF-8, as a damaged file may carry them, are kept as they are.
      {"xl/\xFF\xFE\x80name.xml", "xl/\xFF\xFE\x80name.xml"},
      {std::string(259, 'n'), std::string(259, 'n')},
  };
  ScratchFolder scratch;
  const auto source = scratch.Write("source.xml", "<x/>");
  const auto archive = scratch / "out.zip";
  auto writer = ZipArchiveWriter::Create(archive);
  ASSERT_TRUE(writer);
  for (const auto& [given, _] : cases) EXPECT_EQ(writer->AddFile(given, source), ZipOk);
  ASSERT_EQ(writer->Close(), ZipOk);
  const auto read = ReadZip(ReadAll(archive));
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(read.entries[i].central.name, cases[i].second);
    EXPECT_EQ(read.entries[i].central.flags & 0x0800, 0) << "the UTF-8 flag is never set";
  }
}

}  // namespace
}  // namespace xr::zip
