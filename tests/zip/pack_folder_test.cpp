// The folder packer: which files become entries, in which order, and what it reports.
#include <gtest/gtest.h>

#include <fstream>

#include "archive_reader.h"
#include "platform/file.h"
#include "platform/folder.h"
#include "platform/text.h"
#include "support/scratch_folder.h"
#include "zip/pack_folder.h"

namespace xr::zip {
namespace {

using test::ReadAll;
using test::ReadZip;
using test::ScratchFolder;

std::vector<std::string> EntryNames(const std::filesystem::path& archive) {
  const auto read = ReadZip(ReadAll(archive));
  EXPECT_EQ(read.error, "");
  std::vector<std::string> names;
  for (const auto& e : read.entries) names.push_back(e.central.name);
  return names;
}

// The order the walk promises: the platform's listing order, each subfolder walked where it is met.
void ListedFiles(const std::filesystem::path& folder, const std::string& prefix,
                 std::vector<std::string>& out) {
  for (const auto& item : platform::ListFolder(folder)) {
    const std::string name = prefix + platform::Utf8FromPath(item.name);
    if (item.isFolder) ListedFiles(folder / item.name, name + "/", out);
    else out.push_back(name);
  }
}

TEST(ZipPackFolder, EveryFileInListingOrderAndNoFolderEntries) {
  ScratchFolder scratch;
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml",
                           "xl/worksheets/sheet1.xml", "xl/worksheets/_rels/sheet1.xml.rels",
                           "docProps/app.xml", ".hidden"}) {
    scratch.Write(std::string("package/") + name, std::string("<part name=\"") + name + "\"/>");
  }
  std::filesystem::create_directories(scratch / "package/xl/drawings");

  std::vector<std::string> expected;
  ListedFiles(scratch / "package", "", expected);
  ASSERT_EQ(expected.size(), 7u);

  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_TRUE(result.allFilesAdded);
  EXPECT_EQ(EntryNames(archive), expected);
  const auto read = ReadZip(ReadAll(archive));
  for (const auto& e : read.entries) {
    EXPECT_EQ(e.content, "<part name=\"" + e.central.name + "\"/>") << e.central.name;
  }
}

TEST(ZipPackFolder, ReplacesAnExistingArchive) {
  ScratchFolder scratch;
  scratch.Write("package/a.xml", "<a/>");
  const auto archive = scratch.Write("out.xlsx", std::string(100000, 'x'));
  EXPECT_TRUE(PackFolder(scratch / "package", archive).allFilesAdded);
  EXPECT_EQ(EntryNames(archive), std::vector<std::string>{"a.xml"})
      << "the old file's bytes must be gone (the end record must be last)";
}

TEST(ZipPackFolder, ReportsAnArchiveThatCannotBeCreated) {
  ScratchFolder scratch;
  scratch.Write("package/a.xml", "<a/>");
  const auto archive = scratch / "no such folder/out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_FALSE(result.archiveCreated);
  EXPECT_FALSE(result.allFilesAdded);
  EXPECT_FALSE(std::filesystem::exists(archive));
}

TEST(ZipPackFolder, MissingFolderGivesAnEmptyArchiveButIsReported) {
  ScratchFolder scratch;
  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "no such package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_FALSE(result.allFilesAdded);
  EXPECT_EQ(std::filesystem::file_size(archive), 22u);
}

// A file that cannot be opened is left out; the rest still forms a complete archive. On Windows
// another holder's exclusive open locks it; POSIX has no such locks (and root reads everything),
// so there a link to nothing stands in for it.
TEST(ZipPackFolder, FileThatCannotBeOpenedIsLeftOutAndReported) {
  ScratchFolder scratch;
  scratch.Write("package/a.xml", "<a/>");
  scratch.Write("package/xl/b.xml", "<b/>");
#ifdef _WIN32
  const auto locked = scratch.Write("package/xl/locked.xml", "<locked/>");
  platform::File holder = platform::File::OpenRead(locked, platform::Share::None);
  ASSERT_TRUE(holder);
#else
  std::filesystem::create_symlink(scratch / "nowhere.xml", scratch / "package/xl/locked.xml");
#endif
  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_FALSE(result.allFilesAdded);
  auto names = EntryNames(archive);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.xml", "xl/b.xml"}));
}

TEST(ZipPackFolder, NamesPastTheLimitAreLeftOutAndReported) {
  ScratchFolder scratch;
  // Folder names of 100 bytes: two levels plus a 57-byte file name make 259 bytes.
  const std::string folder(100, 'd');
  const std::string fits = folder + "/" + folder + "/" + std::string(57, 'f');
  const std::string tooLong = folder + "/" + folder + "/" + std::string(58, 'g');
  ASSERT_EQ(fits.size(), 259u);
  std::error_code ec;
  scratch.Write("package/" + fits, "<fits/>");
  scratch.Write("package/" + tooLong, "<too long/>");
  if (!std::filesystem::exists(scratch / ("package/" + tooLong), ec)) {
    GTEST_SKIP() << "the file system refuses paths this long";
  }
  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_FALSE(result.allFilesAdded);
  EXPECT_EQ(EntryNames(archive), std::vector<std::string>{fits});
}

#ifndef _WIN32
// A folder link back up the tree must not make the walk endless: names grow with every turn and
// the walk stops where no name could fit any more.
TEST(ZipPackFolder, FolderLinkLoopEnds) {
  ScratchFolder scratch;
  scratch.Write("package/xl/a.xml", "<a/>");
  std::filesystem::create_directory_symlink(scratch / "package", scratch / "package/xl/loop");
  const auto archive = scratch / "out.xlsx";
  const PackResult result = PackFolder(scratch / "package", archive);
  EXPECT_TRUE(result.archiveCreated);
  EXPECT_FALSE(result.allFilesAdded);
  const auto names = EntryNames(archive);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "xl/a.xml");
  for (const auto& name : names) EXPECT_LE(name.size(), 259u);
}

// File names are bytes on POSIX; one that is not UTF-8 reaches the entry name unchanged.
TEST(ZipPackFolder, FileNameBytesThatAreNotUtf8SurviveUnchanged) {
  ScratchFolder scratch;
  const std::string name = "xl/\xFF\xFE na\xEFve.xml";
  scratch.Write("package/" + name, "<x/>");
  const auto archive = scratch / "out.xlsx";
  EXPECT_TRUE(PackFolder(scratch / "package", archive).allFilesAdded);
  EXPECT_EQ(EntryNames(archive), std::vector<std::string>{name});
}
#endif

}  // namespace
}  // namespace xr::zip
