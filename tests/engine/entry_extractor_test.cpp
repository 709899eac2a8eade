// Entry extraction: stored and deflated entries, damaged and lying ones, names that must not leave
// the file folder, the progress bar and the temporary files.
#include "engine/entry_extractor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/entry_path.h"
#include "platform/folder.h"
#include "platform/text.h"
#include "support/recording_job_window.h"
#include "support/scratch_folder.h"
#include "support/temp_folder_override.h"
#include "support/wine.h"
#include "support/zip_builder.h"

namespace xr::engine {
namespace {

using test::ReadAll;

// A source file, a file folder to extract into, and a private temporary folder so the "OPC" files
// of these tests can be counted (so no other scratch folder may be made while it is in force).
class Extraction : public ::testing::Test {
 protected:
  Extraction() : temp_(scratch_ / "temp") {}

  void SetUp() override {
    std::filesystem::create_directories(scratch_ / "temp");
    std::filesystem::create_directories(scratch_ / "workspace" / "Book.xlsx0");
  }

  platform::Path Folder() const { return scratch_ / "workspace/Book.xlsx0"; }

  // Extracts `entries` of a source holding `bytes`.
  bool Extract(const std::string& bytes, const SalvagedEntryList& entries) {
    source_ = platform::Utf8FromPath(scratch_.Write("Book.xlsx", bytes));
    return ExtractEntries(Folder(), source_, entries, window_);
  }

  static SalvagedEntry EntryOf(const test::ZipBuilder::Entry& e, std::string path) {
    return {e.compressedSize, e.uncompressedSize, std::move(path), e.dataOffset};
  }

  std::vector<std::string> TempFiles() const {
    std::vector<std::string> names;
    for (const auto& item : platform::ListFolder(scratch_ / "temp")) {
      names.push_back(platform::Utf8FromPath(item.name));
    }
    return names;
  }

  test::ScratchFolder scratch_;
  test::TempFolderOverride temp_;
  test::RecordingJobWindow window_;
  std::string source_;
};

TEST_F(Extraction, CopiesStoredAndInflatesDeflatedEntries) {
  test::ZipBuilder zip;
  const std::string text = "<worksheet>" + std::string(989, 'r') + "</worksheet>";
  const std::string noise = test::IncompressibleBytes(5000);
  zip.Add("stored.bin", "0123456789", {.method = test::kStored});
  zip.Add("xl/worksheets/sheet1.xml", text);
  // Deflate made this larger than its data: still salvaged, the adapter reads all of it.
  const auto& grown = zip.Add("xl/media/image1.png", noise);
  ASSERT_GT(grown.compressedSize, grown.uncompressedSize);
  const auto& e = zip.Entries();

  ASSERT_TRUE(Extract(zip.Bytes(),
                      {EntryOf(e[0], "stored.bin"), EntryOf(e[1], "xl\\worksheets\\sheet1.xml"),
                       EntryOf(e[2], "xl\\media\\image1.png")}));
  EXPECT_EQ(ReadAll(Folder() / "stored.bin"), "0123456789");
  EXPECT_EQ(ReadAll(Folder() / "xl/worksheets/sheet1.xml"), text);
  EXPECT_EQ(ReadAll(Folder() / "xl/media/image1.png"), noise);
  EXPECT_TRUE(TempFiles().empty()) << "a temporary OPC file was left behind";
  EXPECT_TRUE(window_.messages.empty());
}

TEST_F(Extraction, DecidesStoredOrDeflatedFromTheSizesAlone) {
  const std::string data = std::string(600, 'z') + "end";
  const std::string deflated = test::RawDeflate(data);
  const std::string damaged = std::string("\xff\xff\xff\xff", 4) + deflated.substr(4);
  const struct {
    const char* what;
    std::string bytes;                  // the entry's data in the source
    std::uint32_t cs, us;               // the sizes the record claims
    std::optional<std::string> output;  // nothing: no output file
  } cases[] = {
      {"deflated", deflated, static_cast<std::uint32_t>(deflated.size()), 603, data},
      {"sizes equal though deflated: copied as is", deflated,
       static_cast<std::uint32_t>(deflated.size()), static_cast<std::uint32_t>(deflated.size()),
       deflated},
      {"stream longer than the size: cut", deflated, static_cast<std::uint32_t>(deflated.size()),
       100, data.substr(0, 100)},
      {"stream shorter than the size", deflated, static_cast<std::uint32_t>(deflated.size()), 604,
       std::nullopt},
      {"damaged stream", damaged, static_cast<std::uint32_t>(damaged.size()), 603, std::nullopt},
      {"stream cut in half", deflated.substr(0, deflated.size() / 2),
       static_cast<std::uint32_t>(deflated.size() / 2), 603, std::nullopt},
      {"uncompressed size 0", deflated, static_cast<std::uint32_t>(deflated.size()), 0,
       std::string()},
      {"compressed size 0", "", 0, 603, std::nullopt},
      {"a size no stream of this length can reach", deflated,
       static_cast<std::uint32_t>(deflated.size()), 0xFFFFFFFFu, std::nullopt},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = "case" + std::to_string(n++);
    const auto source = scratch_.Write(name + "/s.xlsx", "HEAD" + c.bytes + "TAIL");
    const auto output = scratch_ / (name + "/out.bin");
    ExtractEntry({c.cs, c.us, "out.bin", 4}, platform::Utf8FromPath(source), output);
    EXPECT_EQ(std::filesystem::exists(output), c.output.has_value());
    if (c.output && std::filesystem::exists(output)) {
      EXPECT_EQ(ReadAll(output), *c.output);
    }
  }
  EXPECT_TRUE(TempFiles().empty()) << "a temporary OPC file was left behind";
}

TEST_F(Extraction, WritesStoredDataCutShortByTheEndOfTheSourceAsFarAsItGoes) {
  const struct {
    std::uint64_t dataOffset;
    std::optional<std::string> output;
  } cases[] = {{4, "data"}, {6, "ta"}, {8, std::nullopt}, {1'000'000, std::nullopt}};
  for (const auto& c : cases) {
    const std::string name = "at" + std::to_string(c.dataOffset);
    const auto source = scratch_.Write(name + "/s.xlsx", "HEADdata");
    const auto output = scratch_ / (name + "/out.bin");
    ExtractEntry({500, 500, "out.bin", c.dataOffset}, platform::Utf8FromPath(source), output);
    ASSERT_EQ(std::filesystem::exists(output), c.output.has_value()) << c.dataOffset;
    if (c.output) {
      EXPECT_EQ(ReadAll(output), *c.output);
    }
  }
}

TEST_F(Extraction, GoesOnAfterAnEntryThatCannotBeInflated) {
  test::ZipBuilder zip;
  zip.Add("good1.xml", std::string(300, 'a'));
  zip.Raw("garbage!");
  zip.Add("good2.xml", std::string(300, 'b'));
  const auto& e = zip.Entries();
  const SalvagedEntry bad{8, 300, "bad.xml", e[0].dataOffset + e[0].compressedSize};
  ASSERT_TRUE(Extract(zip.Bytes(), {EntryOf(e[0], "good1.xml"), bad, EntryOf(e[1], "good2.xml")}));
  EXPECT_EQ(ReadAll(Folder() / "good1.xml"), std::string(300, 'a'));
  EXPECT_FALSE(std::filesystem::exists(Folder() / "bad.xml"));
  EXPECT_EQ(ReadAll(Folder() / "good2.xml"), std::string(300, 'b'));
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(Extraction, ALaterEntryOfTheSamePathReplacesTheEarlierOnlyWhenItIsSalvaged) {
  test::ZipBuilder zip;
  const std::string first(5000, '1'), second(7000, '2');
  const auto one = zip.Add("1", first);
  const auto two = zip.Add("2", second);
  zip.Raw(std::string(64, '\xff'));  // no deflate stream
  const SalvagedEntry broken{64, 9000, "xl\\part.xml", two.dataOffset + two.compressedSize};
  ASSERT_TRUE(Extract(zip.Bytes(), {broken, EntryOf(one, "xl\\part.xml"), broken,
                                    EntryOf(two, "xl\\part.xml"), broken}));
  EXPECT_EQ(ReadAll(Folder() / "xl/part.xml"), second);
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(Extraction, RemovesColonsAndLetTheLaterOfTwoEqualPathsWin) {
  test::ZipBuilder zip;
  zip.Add("1", "first", {.method = test::kStored});
  zip.Add("2", "second", {.method = test::kStored});
  zip.Add("3", "colon", {.method = test::kStored});
  const auto& e = zip.Entries();
  ASSERT_TRUE(Extract(zip.Bytes(), {EntryOf(e[0], "xl\\same.xml"), EntryOf(e[1], "xl\\same.xml"),
                                    EntryOf(e[2], "xl\\a:b.xml")}));
  EXPECT_EQ(ReadAll(Folder() / "xl/same.xml"), "second");
  EXPECT_EQ(ReadAll(Folder() / "xl/ab.xml"), "colon");
}

TEST_F(Extraction, DrivesTheFileProgressBarAndFixesTheContentTypesAtTheEnd) {
  test::ZipBuilder zip;
  for (const char* name : {"a", "b", "c"}) zip.Add(name, name, {.method = test::kStored});
  const auto& e = zip.Entries();
  ASSERT_TRUE(Extract(zip.Bytes(), {EntryOf(e[0], "a"), EntryOf(e[1], "b"), EntryOf(e[2], "c")}));
  EXPECT_EQ(window_.calls, (std::vector<std::string>{"ResetProgress File 3", "SetProgress File 0",
                                                     "SetProgress File 1", "SetProgress File 2",
                                                     "SetProgress File 3"}));
  EXPECT_EQ(std::filesystem::file_size(Folder() / "[Content_Types].xml"), 1304u);
}

TEST_F(Extraction, DoesNothingForAnEmptyList) {
  EXPECT_FALSE(Extract("PK", {}));
  EXPECT_TRUE(window_.calls.empty());
  EXPECT_TRUE(platform::ListFolder(Folder()).empty());
}

TEST(EntryPath, KeepsEveryWrittenPathInsideTheFileFolder) {
  using Components = std::vector<std::string>;
  const struct {
    std::string entryPath;
    std::optional<Components> components;  // nothing: refused
  } cases[] = {
      {"xl\\worksheets\\sheet1.xml", Components{"xl", "worksheets", "sheet1.xml"}},
      {"[Content_Types].xml", Components{"[Content_Types].xml"}},
      {"xl\\a:b.xml", Components{"xl", "ab.xml"}},
      {"\\xl\\rooted.xml", Components{"xl", "rooted.xml"}},
      {"\\\\server\\share\\unc.xml", Components{"server", "share", "unc.xml"}},
      {"C:\\Windows\\drive.dll", Components{"C", "Windows", "drive.dll"}},
      {"C:drive-relative.xml", Components{"Cdrive-relative.xml"}},
      {"xl\\.\\dot.xml", Components{"xl", "dot.xml"}},
      {"xl\\\\double.xml", Components{"xl", "double.xml"}},
      {"xl\\media\\", Components{"xl", "media"}},
      {"\xff\xfe.bin", Components{"\xff\xfe.bin"}},
      {"console.xml", Components{"console.xml"}},
      {"..\\evil.xml", std::nullopt},
      {"xl\\..\\..\\evil.xml", std::nullopt},
      {"xl\\..", std::nullopt},
      {"a\\...\\b", std::nullopt},
      {"a\\. .\\b", std::nullopt},
      {"a\\ \\b", std::nullopt},
      {"CON", std::nullopt},
      {"xl\\nul.xml", std::nullopt},
      {"Com1.txt", std::nullopt},
      {"lpt9", std::nullopt},
      {"\\", std::nullopt},
      {":", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SafeEntryComponents(c.entryPath), c.components) << c.entryPath;
  }
}

TEST_F(Extraction, NeverWritesOutsideTheFileFolder) {
  test::ZipBuilder zip;
  for (int i = 0; i < 5; ++i) zip.Add(std::to_string(i), "data", {.method = test::kStored});
  const auto& e = zip.Entries();
  ASSERT_TRUE(
      Extract(zip.Bytes(), {EntryOf(e[0], "..\\escaped.xml"), EntryOf(e[1], "..\\..\\up2.xml"),
                            EntryOf(e[2], "\\rooted.xml"), EntryOf(e[3], "xl\\..\\..\\x.xml"),
                            EntryOf(e[4], "ok\\inside.xml")}));
  // The workspace holds the file folder and nothing else; the scratch folder what we put there.
  const auto names = [](const platform::Path& folder) {
    std::vector<std::string> out;
    for (const auto& item : platform::ListFolder(folder))
      out.push_back(platform::Utf8FromPath(item.name));
    std::sort(out.begin(), out.end());
    return out;
  };
  EXPECT_EQ(names(scratch_ / "workspace"), std::vector<std::string>{"Book.xlsx0"});
  EXPECT_EQ(names(scratch_.path()), (std::vector<std::string>{"Book.xlsx", "temp", "workspace"}));
  EXPECT_EQ(names(Folder()), (std::vector<std::string>{"[Content_Types].xml", "ok", "rooted.xml"}));
}

TEST_F(Extraction, KeepsTheBytesOfEveryStoredName) {
  std::vector<std::string> names = {"Bl\xc3\xa4tter-\xe8\xa1\xa8.xml"};  // UTF-8
  // Latin-1 bytes, not UTF-8: Windows keeps them as lone surrogates, which Wine's file names
  // cannot hold.
  if (!test::RunningUnderWine()) names.push_back("caf\xe9-\xff.bin");
  test::ZipBuilder zip;
  SalvagedEntryList entries;
  for (const auto& name : names) {
    entries.push_back(EntryOf(zip.Add("n", name, {.method = test::kStored}), name));
  }
  ASSERT_TRUE(Extract(zip.Bytes(), entries));
  std::vector<std::string> written;
  for (const auto& item : platform::ListFolder(Folder()))
    written.push_back(platform::Utf8FromPath(item.name));
  for (const auto& name : names) {
    EXPECT_NE(std::find(written.begin(), written.end(), name), written.end())
        << "no file named " << name;
    EXPECT_EQ(ReadAll(Folder() / platform::PathFromUtf8(name)), name);
  }
}

TEST_F(Extraction, ReportsAFolderThatCannotBeCreatedAndGoesOn) {
  test::ZipBuilder zip;
  zip.Add("1", "lost", {.method = test::kStored});
  zip.Add("2", "kept", {.method = test::kStored});
  const auto& e = zip.Entries();
  const std::string tooLong(300, 'f');  // longer than any file system allows for one name
  ASSERT_TRUE(
      Extract(zip.Bytes(), {EntryOf(e[0], tooLong + "\\lost.xml"), EntryOf(e[1], "kept.xml")}));
  ASSERT_EQ(window_.messages.size(), 1u);
  EXPECT_FALSE(window_.messages[0].text.empty());
  EXPECT_EQ(window_.messages[0].flags, 0x40u);
  EXPECT_FALSE(window_.messages[0].owned);
  EXPECT_EQ(ReadAll(Folder() / "kept.xml"), "kept");
}

TEST_F(Extraction, CreatesTheIntermediateFoldersInOrder) {
  const auto output = MakeEntryFolders(Folder(), "xl\\worksheets\\sheet1.xml", window_);
  ASSERT_TRUE(output);
  EXPECT_EQ(*output, Folder() / "xl" / "worksheets" / "sheet1.xml");
  EXPECT_TRUE(platform::IsFolder(Folder() / "xl" / "worksheets"));
  EXPECT_FALSE(std::filesystem::exists(*output));  // the file itself is ExtractEntry's
  EXPECT_FALSE(MakeEntryFolders(Folder(), "..\\x", window_));
}

}  // namespace
}  // namespace xr::engine
