// External attributes: the DOS byte, the Unix mode word and the executable-image test.
#include <gtest/gtest.h>

#include "archive_reader.h"
#include "support/scratch_folder.h"
#include "zip/entry_attributes.h"
#include "zip/zip_archive_writer.h"

namespace xr::zip {
namespace {

TEST(ZipEntryAttributes, DosByteAndUnixMode) {
  struct Case {
    std::uint32_t dos;
    bool executable;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x20, false, (0100600u << 16) | 0x20},  // ordinary written file
      {0x00, false, 0100600u << 16},
      {0x21, false, (0100400u << 16) | 0x21},  // read-only: no owner write
      {0x27, true, (0100500u << 16) | 0x27},   // hidden, system, read-only executable
      {0x10, false, (040600u << 16) | 0x10},   // folder type
      {0x20, true, (0100700u << 16) | 0x20},
      // Only the five DOS bits are copied: not normal (0x80), device (0x40), temporary (0x100).
      {0x1E0, false, (0100600u << 16) | 0x20},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExternalAttributes(c.dos, c.executable), c.expected)
        << std::hex << "dos 0x" << c.dos << " executable " << c.executable;
  }
}

std::string Image(std::size_t size, std::uint32_t p, std::string_view magic) {
  std::string bytes(size, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 4; ++i) bytes[60 + i] = static_cast<char>((p >> (8 * i)) & 0xFF);
  if (p + magic.size() <= size) bytes.replace(p, magic.size(), magic);
  return bytes;
}

TEST(ZipEntryAttributes, ExecutableImageSetsOwnerExecute) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    std::string bytes;
    bool executable;
  };
  const Case cases[] = {
      {"PE image", Image(512, 0x80, "PE\0\0"s), true},
      {"NE image", Image(512, 0x80, "NE\0\0"s), true},
      {"LE image", Image(512, 0x80, "LE\0\0"s), true},
      {"MZ at the header offset", Image(512, 0x80, "MZ\0\0"s), true},
      {"unknown signature", Image(512, 0x80, "PX\0\0"s), false},
      {"signature not followed by two zero bytes", Image(512, 0x80, "PE\0\1"s), false},
      {"exactly 52 bytes after p is too short", Image(0x80 + 52, 0x80, "PE\0\0"s), false},
      {"53 bytes after p suffice", Image(0x80 + 53, 0x80, "PE\0\0"s), true},
      {"offset far past the end", Image(512, 0xFFFFFFF0u, "PE\0\0"s), false},
      {"does not start with MZ", "ZM" + Image(512, 0x80, "PE\0\0"s).substr(2), false},
      {"41 bytes, MZ only", "MZ" + std::string(39, '\0'), false},
      {"text", std::string(600, 'x'), false},
  };
  test::ScratchFolder scratch;
  const auto archive = scratch / "out.zip";
  auto writer = ZipArchiveWriter::Create(archive);
  ASSERT_TRUE(writer);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string name = std::to_string(i) + ".bin";
    const auto source = scratch.Write(name, cases[i].bytes);
    ASSERT_EQ(writer->AddFile(name, source), ZipOk) << cases[i].what;
  }
  ASSERT_EQ(writer->Close(), ZipOk);
  const auto read = test::ReadZip(test::ReadAll(archive));
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::uint32_t mode = read.entries[i].externalAttributes >> 16;
    EXPECT_EQ((mode & 0100) != 0, cases[i].executable) << cases[i].what;
    EXPECT_EQ(read.entries[i].content, cases[i].bytes) << "the test must not disturb the data: "
                                                       << cases[i].what;
  }
}

TEST(ZipEntryAttributes, ReadOnlySourceFileHasNoOwnerWrite) {
  test::ScratchFolder scratch;
  const auto source = scratch.Write("locked.xml", "<x/>");
  std::filesystem::permissions(source, std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_write |
                                           std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  const auto archive = scratch / "out.zip";
  auto writer = ZipArchiveWriter::Create(archive);
  ASSERT_TRUE(writer);
  ASSERT_EQ(writer->AddFile("locked.xml", source), ZipOk);
  ASSERT_EQ(writer->Close(), ZipOk);
  const auto read = test::ReadZip(test::ReadAll(archive));
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), 1u);
  const std::uint32_t attributes = read.entries[0].externalAttributes;
  EXPECT_EQ(attributes >> 16, 0100400u);
  EXPECT_EQ(attributes & 0x01, 0x01u) << "DOS read-only bit";
}

}  // namespace
}  // namespace xr::zip
