// The salvage scan: the window rule, headers, descriptors, dropped entries, names, hostile sizes
// and the stop request, checked against fixtures built in code and against a literal
// one-window-per-read scanner on generated inputs.
#include "engine/salvage_scanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "engine/log_lines.h"
#include "platform/error.h"
#include "platform/text.h"
#include "support/recording_job_window.h"
#include "support/scratch_folder.h"
#include "support/zip_builder.h"

namespace xr::engine {
namespace {

using test::LocalHeader;
using test::ZipBuilder;

struct Scan {
  bool opened = false;
  SalvagedEntryList entries;
  test::RecordingJobWindow window;
};

// Scans `bytes` written to a file of a fresh scratch folder.
std::unique_ptr<Scan> ScanBytes(const std::string& bytes, int runFlag = 1) {
  test::ScratchFolder scratch;
  const auto file = scratch.Write("source.xlsx", bytes);
  auto scan = std::make_unique<Scan>();
  scan->window.runFlag = runFlag;
  scan->opened = ScanSource(platform::Utf8FromPath(file), scan->window, scan->entries);
  return scan;
}

// The scan exactly as its rule reads, one window per read over the whole file, as an oracle for
// the buffered scanner. Reads give min(n, length - position) bytes and advance by that much.
SalvagedEntryList LiteralScan(const std::string& file) {
  const std::uint64_t length = file.size();
  std::uint64_t pos = 0;
  const auto read = [&](std::size_t n) {
    std::string out;
    if (pos < length) out = file.substr(static_cast<std::size_t>(pos), n);
    pos += out.size();
    return out;
  };
  const auto window = [&] {
    if (pos > 4) pos -= 3;
    return read(4);
  };
  const auto u16 = [](const std::string& s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
  };
  const auto u32 = [&](const std::string& s, std::size_t at) {
    return u16(s, at) | u16(s, at + 2) << 16;
  };
  SalvagedEntryList entries;
  while (pos < length) {
    if (window() != std::string("PK\x03\x04", 4)) continue;
    const std::string fields = read(26);
    if (fields.size() < 26) break;
    const std::uint32_t n = u16(fields, 22), m = u16(fields, 24);
    std::uint32_t cs = u32(fields, 14), us = u32(fields, 18);
    const std::string name = read(n);
    if (name.size() < n) break;
    if (cs == 0 && us == 0 && u16(fields, 4) == 8) {
      const std::uint64_t remembered = pos;
      while (pos < length) {
        const std::string w = window();
        if (w == std::string("PK\x03\x04", 4)) break;
        if (w == std::string("PK\x07\x08", 4)) {
          const std::string d = read(12);
          if (d.size() == 12) {
            cs = u32(d, 4);
            us = u32(d, 8);
          }
          break;
        }
      }
      pos = remembered;
    }
    SalvagedEntry e;
    e.entryPath = name.substr(0, std::min(name.find('\0'), kMaxEntryPathBytes));
    std::replace(e.entryPath.begin(), e.entryPath.end(), '/', '\\');
    e.compressedSize = cs;
    e.uncompressedSize = us;
    pos += m;
    e.dataOffset = pos;
    if ((cs || us) && !e.entryPath.empty()) entries.push_back(e);
    pos += cs;
  }
  return entries;
}

void ExpectSameEntries(const SalvagedEntryList& actual, const SalvagedEntryList& expected,
                       const std::string& context) {
  ASSERT_EQ(actual.size(), expected.size()) << context;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].entryPath, expected[i].entryPath) << context << " entry " << i;
    EXPECT_EQ(actual[i].dataOffset, expected[i].dataOffset) << context << " entry " << i;
    EXPECT_EQ(actual[i].compressedSize, expected[i].compressedSize) << context << " entry " << i;
    EXPECT_EQ(actual[i].uncompressedSize, expected[i].uncompressedSize)
        << context << " entry " << i;
  }
}

TEST(SalvageScanner, ListsEveryEntryWithDataOfAWellFormedPackageInFileOrder) {
  ZipBuilder zip;
  zip.Add("[Content_Types].xml", std::string(400, 'c'));
  zip.Add("xl/", "", {.method = test::kStored});  // a folder: both sizes 0, never listed
  zip.Add("xl/worksheets/sheet1.xml", "<sheet/>", {.method = test::kStored});
  zip.Add("docProps/app.xml", std::string(3000, 'a'), {.extra = std::string(9, 'e')});
  zip.Finish();  // the central directory names them again, and must add nothing

  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_TRUE(scan->opened);
  ASSERT_EQ(scan->entries.size(), 3u);
  const std::size_t built[] = {0, 2, 3};
  const char* paths[] = {"[Content_Types].xml", "xl\\worksheets\\sheet1.xml", "docProps\\app.xml"};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto& expected = zip.Entries()[built[i]];
    EXPECT_EQ(scan->entries[i].entryPath, paths[i]);
    EXPECT_EQ(scan->entries[i].dataOffset, expected.dataOffset) << paths[i];
    EXPECT_EQ(scan->entries[i].compressedSize, expected.compressedSize) << paths[i];
    EXPECT_EQ(scan->entries[i].uncompressedSize, expected.uncompressedSize) << paths[i];
  }
}

TEST(SalvageScanner, ExaminesWindowsAtOffsetZeroAndFromFourOnButNeverOneToThree) {
  const struct {
    std::size_t headerOffset;
    bool found;
  } cases[] = {{0, true}, {1, false}, {2, false}, {3, false},
               {4, true}, {5, true},  {6, true},  {77, true}};
  for (const auto& c : cases) {
    ZipBuilder zip;
    zip.Raw(std::string(c.headerOffset, 'x'));
    zip.Add("a.txt", "abc", {.method = test::kStored});
    const auto scan = ScanBytes(zip.Bytes());
    ASSERT_EQ(scan->entries.size(), c.found ? 1u : 0u) << "header at offset " << c.headerOffset;
    if (c.found) {
      EXPECT_EQ(scan->entries[0].dataOffset, c.headerOffset + 30 + 5);
    }
  }
}

TEST(SalvageScanner, FindsNothingInFilesTooShortForAHeader) {
  for (const std::string& bytes :
       {std::string(), std::string("P"), std::string("PK\x03", 3), std::string("PK\x03\x04", 4),
        std::string("PK\x03\x04\x14\0", 6)}) {
    const auto scan = ScanBytes(bytes);
    EXPECT_TRUE(scan->opened);
    EXPECT_TRUE(scan->entries.empty()) << bytes.size() << " bytes";
  }
}

TEST(SalvageScanner, TakesTheSizesOfAStreamedEntryFromItsDescriptor) {
  ZipBuilder zip;
  const auto& streamed =
      zip.Add("xl/styles.xml", std::string(2000, 's'), {.streamed = true, .extra = "EXTRA"});
  zip.Add("after.xml", "<after/>");
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 2u);
  EXPECT_EQ(scan->entries[0].entryPath, "xl\\styles.xml");
  EXPECT_EQ(scan->entries[0].compressedSize, streamed.compressedSize);
  EXPECT_EQ(scan->entries[0].uncompressedSize, 2000u);
  EXPECT_EQ(scan->entries[0].dataOffset, streamed.dataOffset);  // just after the extra field
  EXPECT_EQ(scan->entries[1].entryPath, "after.xml");
}

TEST(SalvageScanner, DropsStreamedEntriesWhoseSizesCannotBeFound) {
  // No descriptor signature: the search meets the next header first.
  {
    ZipBuilder zip;
    zip.Add("lost.xml", std::string(500, 'l'), {.streamed = true, .descriptorSignature = false});
    zip.Add("kept.xml", "<kept/>");
    const auto scan = ScanBytes(zip.Bytes());
    ASSERT_EQ(scan->entries.size(), 1u);
    EXPECT_EQ(scan->entries[0].entryPath, "kept.xml");
  }
  // A descriptor after a later header belongs to that header's entry, not to the streamed one.
  {
    ZipBuilder zip;
    zip.Add("lost.xml", std::string(500, 'l'), {.streamed = true, .descriptorSignature = false});
    zip.Add("kept.xml", "<kept/>", {.method = test::kStored});
    zip.Raw(test::DescriptorBytes(0, 77, 77));
    const auto scan = ScanBytes(zip.Bytes());
    ASSERT_EQ(scan->entries.size(), 1u);
    EXPECT_EQ(scan->entries[0].entryPath, "kept.xml");
  }
  // Only method 8 is searched: a stored entry with sizes 0 is dropped though a descriptor follows.
  {
    ZipBuilder zip;
    zip.Add("stored.bin", "data!", {.method = test::kStored, .streamed = true});
    const auto scan = ScanBytes(zip.Bytes());
    EXPECT_TRUE(scan->entries.empty());
  }
  // A descriptor cut short by the end of the file gives no sizes.
  {
    ZipBuilder zip;
    zip.AddHeader({.name = "cut.xml"});
    zip.Raw(std::string("PK\x07\x08\1\2\3\4\5\6", 10));
    EXPECT_TRUE(ScanBytes(zip.Bytes())->entries.empty());
  }
}

TEST(SalvageScanner, StartsTheDescriptorSearchThreeBytesBeforeTheNameEnds) {
  // The name ends in "PK\x07" and the byte after it is 8: only a search whose first window starts
  // 3 bytes before the end of the name sees this descriptor.
  ZipBuilder zip;
  const std::uint64_t nameEnd = zip.AddHeader({.name = std::string("aPK\x07", 4)});
  zip.Raw("\x08");
  zip.Raw(test::DescriptorBytes(0, 5, 9, false));
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 1u);
  EXPECT_EQ(scan->entries[0].compressedSize, 5u);
  EXPECT_EQ(scan->entries[0].uncompressedSize, 9u);
  EXPECT_EQ(scan->entries[0].dataOffset, nameEnd);
}

TEST(SalvageScanner, KeepsBothEntriesOfADuplicatedNameInFileOrder) {
  ZipBuilder zip;
  zip.Add("xl/workbook.xml", "first", {.method = test::kStored});
  zip.Add("xl/workbook.xml", "second!", {.method = test::kStored});
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 2u);
  EXPECT_EQ(scan->entries[0].uncompressedSize, 5u);
  EXPECT_EQ(scan->entries[1].uncompressedSize, 7u);
  EXPECT_LT(scan->entries[0].dataOffset, scan->entries[1].dataOffset);
}

TEST(SalvageScanner, ConvertsStoredNamesIntoEntryPaths) {
  const struct {
    std::string name;
    std::optional<std::string> path;  // nothing: the entry is not listed
  } cases[] = {
      {"xl/worksheets/sheet1.xml", "xl\\worksheets\\sheet1.xml"},
      {std::string("a.xml\0junk", 10), "a.xml"},           // cut at the first zero byte
      {std::string("\0hidden", 7), std::nullopt},          // empty once cut
      {"/root/x.xml", "\\root\\x.xml"},                    // as stored; extraction makes it safe
      {"\xff\xfe\x80 name.bin", "\xff\xfe\x80 name.bin"},  // bytes kept, UTF-8 or not
      {std::string(2000, 'n'), std::string(kMaxEntryPathBytes, 'n')},
      {std::string(65535, 'm'), std::string(kMaxEntryPathBytes, 'm')},
  };
  for (const auto& c : cases) {
    ZipBuilder zip;
    zip.Add(c.name, "payload", {.method = test::kStored});
    zip.Add("next.xml", "n", {.method = test::kStored});
    const auto scan = ScanBytes(zip.Bytes());
    ASSERT_EQ(scan->entries.size(), c.path ? 2u : 1u) << c.name.substr(0, 40);
    if (c.path) {
      EXPECT_EQ(scan->entries[0].entryPath, *c.path);
      EXPECT_EQ(scan->entries[0].dataOffset,
                zip.Entries()[0].dataOffset);  // the whole name skipped
    }
    EXPECT_EQ(scan->entries.back().entryPath, "next.xml");
  }
}

TEST(SalvageScanner, ReadsASignatureInsideUnskippedDataAsAHeader) {
  // Compressed size 0 with a non-zero uncompressed size: listed, nothing skipped, and the header
  // hidden in its data is found.
  ZipBuilder zip;
  const std::string inner = test::LocalHeaderBytes({.method = test::kStored,
                                                    .compressedSize = 3,
                                                    .uncompressedSize = 3,
                                                    .name = "inner.bin"}) +
                            "xyz";
  zip.AddHeader(
      {.method = test::kStored, .compressedSize = 0, .uncompressedSize = 40, .name = "outer.bin"});
  zip.Raw("...." + inner);
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 2u);
  EXPECT_EQ(scan->entries[0].entryPath, "outer.bin");
  EXPECT_EQ(scan->entries[0].compressedSize, 0u);
  EXPECT_EQ(scan->entries[1].entryPath, "inner.bin");
}

TEST(SalvageScanner, ListsAnEntryWhoseSizePointsPastTheEndAndStopsThere) {
  ZipBuilder zip;
  zip.AddHeader({.compressedSize = 1'000'000, .uncompressedSize = 2'000'000, .name = "big.xml"});
  zip.Raw("short data");
  zip.Add("hidden-by-the-skip.xml", "x", {.method = test::kStored});
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 1u);
  EXPECT_EQ(scan->entries[0].compressedSize, 1'000'000u);
  EXPECT_EQ(scan->entries[0].uncompressedSize, 2'000'000u);
}

TEST(SalvageScanner, UsesNothingOfAHeaderOrNameCutShortByTheEnd) {
  ZipBuilder zip;
  zip.Add("whole.xml", "<whole/>", {.method = test::kStored});
  const std::string full = test::LocalHeaderBytes({.method = test::kStored,
                                                   .compressedSize = 4,
                                                   .uncompressedSize = 4,
                                                   .name = "cut-name.xml"});
  for (const std::size_t keep : {6u, 29u, 30u, 35u}) {  // inside the fields, inside the name
    const auto scan = ScanBytes(zip.Bytes() + full.substr(0, keep));
    ASSERT_EQ(scan->entries.size(), 1u) << keep;
    EXPECT_EQ(scan->entries[0].entryPath, "whole.xml");
  }
  // A header whose name length runs past the end of the file.
  ZipBuilder lying;
  lying.AddHeader(
      {.compressedSize = 9, .uncompressedSize = 9, .name = "n", .nameLengthOverride = 65535});
  EXPECT_TRUE(ScanBytes(lying.Bytes())->entries.empty());
}

TEST(SalvageScanner, FindsHeadersAcrossReadBufferBoundaries) {
  // Headers placed around the 64 KiB buffer edge, and a stored entry whose data runs over it.
  for (const std::size_t prefix :
       {65530u, 65532u, 65533u, 65534u, 65535u, 65536u, 65537u, 131070u}) {
    ZipBuilder zip;
    zip.Raw(std::string(prefix, '\0'));
    zip.Add("edge.xml", std::string(70000, 'e'), {.method = test::kStored});
    zip.Add("after.xml", "a", {.method = test::kStored});
    const auto scan = ScanBytes(zip.Bytes());
    ASSERT_EQ(scan->entries.size(), 2u) << "prefix " << prefix;
    EXPECT_EQ(scan->entries[0].dataOffset, prefix + 30 + 8);
    EXPECT_EQ(scan->entries[1].entryPath, "after.xml");
  }
}

TEST(SalvageScanner, HandlesMoreThan65535Entries) {
  ZipBuilder zip;
  for (int i = 0; i < 70000; ++i) zip.Add("e/" + std::to_string(i), "x", {.method = test::kStored});
  const auto scan = ScanBytes(zip.Bytes());
  ASSERT_EQ(scan->entries.size(), 70000u);
  EXPECT_EQ(scan->entries.back().entryPath, "e\\69999");
}

TEST(SalvageScanner, FindsExactlyWhatTheOneWindowPerReadRuleFinds) {
  // Generated files mixing real entries, stray signatures, lying sizes and noise, some longer than
  // the read buffer, scanned both ways.
  std::mt19937 random(20261211);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 300; ++round) {
    ZipBuilder zip;
    const int pieces = 1 + pick(12);
    for (int p = 0; p < pieces; ++p) {
      switch (pick(8)) {
        case 0:
          zip.Add("d/" + std::to_string(p), test::IncompressibleBytes(pick(300), p));
          break;
        case 1:
          zip.Add("s" + std::to_string(p), std::string(pick(200), 's'), {.method = test::kStored});
          break;
        case 2:
          zip.Add("t" + std::to_string(p), std::string(pick(5000), 't'),
                  {.streamed = true, .descriptorSignature = pick(2) == 0});
          break;
        case 3:
          zip.AddHeader({.method = static_cast<std::uint16_t>(pick(2) * 8),
                         .compressedSize = static_cast<std::uint32_t>(pick(3) * pick(400)),
                         .uncompressedSize = static_cast<std::uint32_t>(pick(3) * pick(400)),
                         .name = std::string(pick(6), 'n'),
                         .extra = std::string(pick(3), 'e')});
          break;
        case 4:
          zip.Raw(std::string(pick(4) == 0 ? 70000 : pick(40), static_cast<char>(pick(256))));
          break;
        case 5:
          zip.Raw(test::DescriptorBytes(pick(9), pick(700), pick(700), pick(2) == 0));
          break;
        case 6:
          zip.Raw(std::string("PK\x03\x04PK\x07\x08", 8).substr(pick(8)));
          break;
        default:
          zip.Raw(test::IncompressibleBytes(pick(3000), round * 31 + p));
          break;
      }
    }
    if (pick(3) == 0) zip.Finish();
    std::string bytes = zip.Bytes();
    if (pick(4) == 0 && !bytes.empty()) bytes.resize(pick(static_cast<int>(bytes.size())));
    const auto scan = ScanBytes(bytes);
    ExpectSameEntries(scan->entries, LiteralScan(bytes), "round " + std::to_string(round));
    if (HasFatalFailure()) return;
  }
}

TEST(SalvageScanner, WritesTheOpenExtractedAndClosedLines) {
  ZipBuilder zip;
  zip.Add("a.xml", "<a/>");
  test::ScratchFolder scratch;
  const std::string path = platform::Utf8FromPath(scratch.Write("Book 1.xlsx", zip.Bytes()));
  test::RecordingJobWindow window;
  window.runFlag = 1;  // inside a run, so the scan goes through the whole file
  SalvagedEntryList entries;
  ASSERT_TRUE(ScanSource(path, window, entries));
  ASSERT_EQ(window.log.size(), 3u);
  EXPECT_EQ(window.log[0].text, path + " file is open....\r\n");
  EXPECT_EQ(window.log[1].text, path + " file is extracted....\r\n");
  EXPECT_EQ(window.log[2].text, path + " file is closed....\r\n");
  for (const auto& line : window.log) EXPECT_EQ(line.colour, kBlack);
}

TEST(SalvageScanner, AClearedRunFlagEndsTheScanButTheFileIsStillReportedClosed) {
  ZipBuilder zip;
  zip.Add("a.xml", "<a/>");
  const auto scan = ScanBytes(zip.Bytes(), /*runFlag=*/0);
  EXPECT_TRUE(scan->opened);
  EXPECT_TRUE(scan->entries.empty());
  EXPECT_EQ(scan->window.log.size(), 3u);  // opened, extracted, closed
}

TEST(SalvageScanner, ReportsAFileThatCannotBeOpenedWithTheSystemsTextAndNoLogLine) {
  test::ScratchFolder scratch;
  const platform::Path missing = scratch / "missing.xlsx";
  platform::ErrorCode expected = 0;
  ASSERT_FALSE(platform::File::OpenRead(missing, platform::Share::Read, &expected));

  test::RecordingJobWindow window;
  SalvagedEntryList entries;
  EXPECT_FALSE(ScanSource(platform::Utf8FromPath(missing), window, entries));
  EXPECT_TRUE(window.log.empty());
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, platform::ErrorText(expected));
  EXPECT_EQ(window.messages[0].flags, 0x40u);
  EXPECT_FALSE(window.messages[0].owned);
}

#ifdef _WIN32
TEST(SalvageScanner, CannotOpenAFileAnotherProgramHoldsOpen) {
  test::ScratchFolder scratch;
  const auto path = scratch.Write("held.xlsx", "PK");
  platform::File holder = platform::File::OpenRead(path, platform::Share::Read);
  ASSERT_TRUE(holder);
  test::RecordingJobWindow window;
  SalvagedEntryList entries;
  EXPECT_FALSE(ScanSource(platform::Utf8FromPath(path), window, entries));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, platform::ErrorText(32));  // ERROR_SHARING_VIOLATION
}
#endif

}  // namespace
}  // namespace xr::engine
