// xlsx-repair --out: the repair run followed by the save run on the console, the destination
// check before any work, exit statuses, names kept apart, pictures, and what becomes of the
// private workspace.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "cli/run_command.h"
#include "platform/text.h"
#include "support/scratch_folder.h"
#include "support/temp_folder_override.h"
#include "support/zip_builder.h"

namespace xr::cli {
namespace {

using harness::Lines;
using harness::Result;
using harness::RunXlsxRepair;
namespace fs = std::filesystem;

const std::string kStars(85, '*');
const std::string kUnderscores(64, '_');

class SaveCommand : public ::testing::Test {
 protected:
  SaveCommand() : temp_((fs::create_directories(scratch_ / "temp"), scratch_ / "temp")) {}

  // A workbook with a sheet, and pictures in two folders when asked.
  std::string Workbook(const std::string& relative, bool pictures = false) {
    xr::test::ZipBuilder zip;
    zip.Add("xl/workbook.xml", "<workbook/>");
    zip.Add("xl/worksheets/sheet1.xml", std::string(700, 'r'));
    if (pictures) {
      zip.Add("xl/media/image1.png", xr::test::IncompressibleBytes(300, 1));
      zip.Add("docProps/thumbnail.jpeg", xr::test::IncompressibleBytes(200, 2));
    }
    return Utf8(scratch_.Write(relative, zip.Finish().Bytes()).lexically_normal());
  }
  std::string Folder(const std::string& relative) {
    fs::create_directories(scratch_ / relative);
    return Utf8((scratch_ / relative).lexically_normal());
  }
  static std::string Utf8(const fs::path& path) { return platform::Utf8FromPath(path); }

  // The entry paths that our own scan finds in a saved archive.
  static std::vector<std::string> Entries(const fs::path& archive) {
    std::vector<std::string> names;
    for (const std::string& line : Lines(RunXlsxRepair({"--list", Utf8(archive)}).out)) {
      const auto tab = line.rfind('\t');
      if (tab != std::string::npos) names.push_back(line.substr(tab + 1));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  bool TempIsEmpty() const { return fs::is_empty(scratch_ / "temp"); }

  xr::test::ScratchFolder scratch_;
  xr::test::TempFolderOverride temp_;
};

TEST_F(SaveCommand, RepairsThenSavesEveryFileAndPrintsBothLogs) {
  const std::string book = Workbook("in/Book1.xlsx", true);
  const std::string out = Folder("out");
  const Result result = RunXlsxRepair({"--out", out, "--media", book});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{
                book + " file is open....", book + " file is extracted....",
                book + " file is closed....", book + " preview of file is available....",
                book + "  Repaired....", kStars, "Repairing process completed....", kUnderscores,
                "", book + " saving of file starts....", book + " Media extraction is done....",
                book + " saving of file done....", kStars, "Saving processing completed....",
                kUnderscores, ""}));
  EXPECT_EQ(result.err,
            "xlsx-repair: File(s) saving process has been completed.Saved file(s) location is:\n" +
                out + "\n");

  EXPECT_EQ(Entries(scratch_ / "out/TDRREP_Book1.xlsx"),
            (std::vector<std::string>{"[Content_Types].xml", "docProps\\thumbnail.jpeg",
                                      "xl\\media\\image1.png", "xl\\workbook.xml",
                                      "xl\\worksheets\\sheet1.xml"}));
  EXPECT_EQ(xr::test::ReadAll(scratch_ / "out/Book1.xlsx_MediaContent/image1.png"),
            xr::test::IncompressibleBytes(300, 1));
  EXPECT_TRUE(fs::exists(scratch_ / "out/Book1.xlsx_MediaContent/thumbnail.jpeg"));
  EXPECT_TRUE(TempIsEmpty()) << "the private workspace is deleted once everything is saved";
}

TEST_F(SaveCommand, RefusesADestinationThatIsNotAFolderBeforeAnyWork) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string file = Utf8(scratch_.Write("a-file", "x"));
  for (const std::string& destination :
       {Utf8(scratch_ / "missing"), file, std::string(), Utf8(scratch_ / "missing/")}) {
    const Result result = RunXlsxRepair({"--out", destination, book});
    EXPECT_EQ(result.status, 2) << destination;
    EXPECT_EQ(result.err, "xlsx-repair: Please select a valid folder path.\n") << destination;
    EXPECT_EQ(result.out, "") << "no repair ran for " << destination;
  }
  EXPECT_TRUE(TempIsEmpty());
  EXPECT_FALSE(fs::exists(scratch_ / "missing"));
}

TEST_F(SaveCommand, ExitsWithOneAndKeepsTheWorkspaceWhenAFileIsNotRepaired) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string empty = Utf8(scratch_.Write("Empty.xlsx", "no entries here"));
  const std::string missing = Utf8(scratch_ / "Missing.xlsx");
  const Result result = RunXlsxRepair({"--out", Folder("out"), book, empty, missing});
  EXPECT_EQ(result.status, 1);
  const auto lines = Lines(result.out);
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has(book + " saving of file done...."));
  EXPECT_TRUE(has(missing + " cannot be saved,as it is not Repaired."));
  EXPECT_FALSE(fs::exists(scratch_ / "out/TDRREP_Missing.xlsx"));
  ASSERT_EQ(lines.back().rfind("Repaired files are in ", 0), 0u) << lines.back();
  const fs::path root = platform::PathFromUtf8(lines.back().substr(22));
  EXPECT_TRUE(fs::exists(root / "Book1.xlsx0/xl/workbook.xml"));
}

TEST_F(SaveCommand, ExitsWithOneWhenAnArchiveCannotBeWritten) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string out = Folder("out");
  fs::create_directories(scratch_ / "out/TDRREP_Book1.xlsx");  // a folder where the file goes
  const Result result = RunXlsxRepair({"--out", out, book});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find(book + " saving of file failed....\n"), std::string::npos);
  EXPECT_EQ(result.out.find("saving of file done"), std::string::npos);
}

TEST_F(SaveCommand, KeepsTwoFilesOfTheSameNameApart) {
  const std::string first = Workbook("a/Book1.xlsx", true);
  const std::string second = Workbook("b/Book1.xlsx", true);
  const Result result = RunXlsxRepair({"--out", Folder("out"), "--media", first, second});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find(first + " saving of file done....\n"), std::string::npos);
  EXPECT_NE(result.out.find(second + " saving of file done as TDRREP_Book1 (2).xlsx....\n"),
            std::string::npos);
  EXPECT_NE(result.out.find(second + " Media extraction is done into Book1 (2).xlsx_MediaContent"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(scratch_ / "out/TDRREP_Book1.xlsx"));
  EXPECT_TRUE(fs::exists(scratch_ / "out/TDRREP_Book1 (2).xlsx"));
  EXPECT_TRUE(fs::exists(scratch_ / "out/Book1 (2).xlsx_MediaContent/image1.png"));
}

TEST_F(SaveCommand, TreatsADestinationWithATrailingSeparatorAsTheSameFolder) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string typed = Folder("out") + static_cast<char>(fs::path::preferred_separator);
  const Result result = RunXlsxRepair({"--out", typed, book});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(fs::exists(scratch_ / "out/TDRREP_Book1.xlsx"));
  EXPECT_NE(result.err.find("location is:\n" + typed + "\n"), std::string::npos)
      << "the destination as typed: " << result.err;
}

TEST_F(SaveCommand, LeavesNoMediaFolderForAPackageWithoutPictures) {
  const std::string book = Workbook("Book1.xlsx");
  const Result result = RunXlsxRepair({"--out", Folder("out"), "--media", book});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find(book + " no media content is present in the file....\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(scratch_ / "out/Book1.xlsx_MediaContent"));

  const Result without = RunXlsxRepair({"--out", Folder("out2"), book});
  EXPECT_EQ(without.out.find("media"), std::string::npos) << "no --media, no media lines";
}

TEST_F(SaveCommand, KeepsANamedWorkspaceAndSaysNothingAboutIt) {
  const std::string book = Workbook("Book1.xlsx");
  const Result result =
      RunXlsxRepair({"--workspace", Utf8(scratch_ / "ws"), "--out", Folder("out"), book});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.find("Repaired files are in"), std::string::npos);
  EXPECT_TRUE(fs::exists(scratch_ / "ws/Book1.xlsx0/xl/workbook.xml"));
  EXPECT_TRUE(fs::exists(scratch_ / "out/TDRREP_Book1.xlsx"));
}

TEST_F(SaveCommand, EndsEveryLineOfBothRunsTheWayThePlatformDoes) {
  const std::string book = Workbook("Book1.xlsx");
  const Result result = RunXlsxRepair({"--out", Folder("out"), book}, LineEnd::CrLf);
  ASSERT_EQ(result.status, 0);
  for (const std::string* text : {&result.out, &result.err}) {
    std::size_t bare = 0;
    for (std::size_t i = 0; i < text->size(); ++i) {
      if ((*text)[i] == '\n' && (i == 0 || (*text)[i - 1] != '\r')) ++bare;
    }
    EXPECT_EQ(bare, 0u) << *text;
  }
  EXPECT_NE(result.err.find("location is:\r\n"), std::string::npos);
}

TEST_F(SaveCommand, ShowsBothRunsProgressOnATerminalAndTakesItOffBeforeTheMessage) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string out = Folder("out");
  std::ostringstream log, terminal;
  Console console{log, terminal, LineEnd::Lf, true, false};
  ASSERT_EQ(RunCommandLine({"--out", out, book, book}, console), 0);
  const std::string shown = terminal.str();
  EXPECT_NE(shown.find("\x1b[2KFile progress:        100.00% complete. Estimated completion: "),
            std::string::npos);
  EXPECT_NE(shown.find("\x1b[2KTotal files progress: 50.00% complete. Estimated completion: "),
            std::string::npos);
  // The save run shows the total bar alone, the repair run both.
  const std::size_t saving = shown.rfind("\x1b[2KFile progress:");
  EXPECT_NE(shown.find("\r\x1b[2KTotal files progress:\n\x1b[J", saving), std::string::npos);
  const std::string message =
      "\x1b[Jxlsx-repair: File(s) saving process has been completed.Saved file(s) location is:\n" +
      out + "\n";
  ASSERT_GE(shown.size(), message.size());
  EXPECT_EQ(shown.substr(shown.size() - message.size()), message);
  EXPECT_EQ(log.str().find('\x1b'), std::string::npos) << "the log stays plain";
}

}  // namespace
}  // namespace xr::cli
