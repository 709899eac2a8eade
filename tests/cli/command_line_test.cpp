// The xlsx-repair command as a user meets it: usage and exit statuses, the log on standard
// output in both line-end conventions, messages on standard error, --list lines, and where the
// repaired files go.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "cli/run_command.h"

#include "platform/folder.h"
#include "platform/text.h"
#include "support/scratch_folder.h"
#include "support/temp_folder_override.h"
#include "support/zip_builder.h"

namespace xr::cli {
namespace {

using harness::Lines;
using harness::Result;
using harness::RunXlsxRepair;

class CommandLine : public ::testing::Test {
 protected:
  std::string Workbook(const std::string& relative) {
    test::ZipBuilder zip;
    zip.Add("xl/workbook.xml", "<workbook/>");
    zip.Add("xl/worksheets/sheet1.xml", std::string(700, 'r'), {.method = test::kStored});
    zip_ = zip;
    return platform::Utf8FromPath(
        scratch_.Write(relative, zip.Finish().Bytes()).lexically_normal());
  }

  test::ScratchFolder scratch_;
  test::ZipBuilder zip_;
};

TEST(CommandLineUsage, AnswersHelpAndVersionAndRefusesWrongUsage) {
  const Result help = RunXlsxRepair({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--workspace"), std::string::npos);
  EXPECT_NE(help.out.find("--list"), std::string::npos);
  EXPECT_NE(help.out.find("--out"), std::string::npos);
  EXPECT_NE(help.out.find("--media"), std::string::npos);

  const Result version = RunXlsxRepair({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "xlsx-repair 2.0.0\n");

  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"--bogus", "a.xlsx"},
           {"--workspace"},
           {"--list", "--workspace", "w", "a.xlsx"},
           {"--out"},
           {"--media", "a.xlsx"},
           {"--list", "--out", ".", "a.xlsx"},
           {"--out", ".", "--media"}}) {
    const Result wrong = RunXlsxRepair(args);
    EXPECT_EQ(wrong.status, 2) << testing::PrintToString(args);
    EXPECT_NE(wrong.err.find("Usage: xlsx-repair [--workspace DIR] FILE...\n"
                             "       xlsx-repair [--workspace DIR] --out DIR [--media] FILE..."),
              std::string::npos);
    EXPECT_TRUE(wrong.out.empty());
  }
}

TEST_F(CommandLine, RepairsIntoTheNamedWorkspaceAndKeepsIt) {
  const std::string book = Workbook("in/Book1.xlsx");
  const std::string workspace = platform::Utf8FromPath(scratch_ / "ws");
  const Result result = RunXlsxRepair({"--workspace", workspace, book});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(
      Lines(result.out),
      (std::vector<std::string>{
          book + " file is open....", book + " file is extracted....", book + " file is closed....",
          book + " preview of file is available....", book + "  Repaired....", std::string(85, '*'),
          "Repairing process completed....", std::string(64, '_'), ""}));
  EXPECT_TRUE(result.err.empty());
  EXPECT_EQ(test::ReadAll(scratch_ / "ws/Book1.xlsx0/xl/worksheets/sheet1.xml"),
            std::string(700, 'r'));
  EXPECT_EQ(std::filesystem::file_size(scratch_ / "ws/Book1.xlsx0/[Content_Types].xml"), 1304u);
}

TEST_F(CommandLine, ReplacesOnlyTheFileFoldersItFillsInAnExistingWorkspace) {
  const std::string book = Workbook("Book1.xlsx");
  scratch_.Write("ws/Book1.xlsx0/stale-from-an-earlier-run.xml", "old");
  scratch_.Write("ws/notes.txt", "the user's own file");
  ASSERT_EQ(RunXlsxRepair({"--workspace", platform::Utf8FromPath(scratch_ / "ws"), book}).status,
            0);
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "ws/Book1.xlsx0/stale-from-an-earlier-run.xml"));
  EXPECT_TRUE(std::filesystem::exists(scratch_ / "ws/Book1.xlsx0/xl/workbook.xml"));
  EXPECT_EQ(test::ReadAll(scratch_ / "ws/notes.txt"), "the user's own file");
}

TEST_F(CommandLine, UsesAFreshPrivateWorkspaceAndSaysWhereItIs) {
  const std::string book = Workbook("Book1.xlsx");
  std::filesystem::create_directories(scratch_ / "temp");
  const test::TempFolderOverride temp(scratch_ / "temp");
  const Result first = RunXlsxRepair({book});
  const Result second = RunXlsxRepair({book});
  ASSERT_EQ(first.status, 0);
  const auto whereFrom = [](const Result& r) {
    const auto lines = Lines(r.out);
    const std::string prefix = "Repaired files are in ";
    return lines.back().rfind(prefix, 0) == 0 ? lines.back().substr(prefix.size()) : std::string();
  };
  const std::string where = whereFrom(first);
  ASSERT_FALSE(where.empty()) << first.out;
  EXPECT_NE(where, whereFrom(second));
  const platform::Path root = platform::PathFromUtf8(where);
  EXPECT_EQ(root.parent_path(), (scratch_ / "temp").lexically_normal());
  EXPECT_NE(root.filename(), "XlsxTemp");
  EXPECT_TRUE(std::filesystem::exists(root / "Book1.xlsx0/xl/workbook.xml"));
}

TEST_F(CommandLine, ExitsWithOneWhenAFileCannotBeOpenedOrHoldsNothing) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string missing = platform::Utf8FromPath(scratch_ / "Missing.xlsx");
  const std::string empty = platform::Utf8FromPath(scratch_.Write("Empty.xlsx", "no entries"));
  const std::string ws = platform::Utf8FromPath(scratch_ / "ws");

  const Result withMissing = RunXlsxRepair({"--workspace", ws, book, missing});
  EXPECT_EQ(withMissing.status, 1);
  EXPECT_NE(withMissing.out.find(
                missing + " extraction of file failed.Please contact at support@tandrel.com"),
            std::string::npos);
  EXPECT_EQ(Lines(withMissing.err).size(), 1u)
      << "one message, the system's text: " << withMissing.err;

  const Result withEmpty = RunXlsxRepair({"--workspace", ws, empty});
  EXPECT_EQ(withEmpty.status, 1);
  EXPECT_NE(withEmpty.out.find(empty + " extraction of file failed. Please contact at"),
            std::string::npos);
}

TEST_F(CommandLine, ListsOneLinePerEntryAfterEachFilesLogLines) {
  const std::string book = Workbook("Book1.xlsx");
  const Result result = RunXlsxRepair({"--list", book});
  EXPECT_EQ(result.status, 0);
  const auto& e = zip_.Entries();
  const auto line = [](const test::ZipBuilder::Entry& entry, const std::string& path) {
    return std::to_string(entry.dataOffset) + "\t" + std::to_string(entry.compressedSize) + "\t" +
           std::to_string(entry.uncompressedSize) + "\t" + path;
  };
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{book + " file is open....", book + " file is extracted....",
                                      book + " file is closed....", line(e[0], "xl\\workbook.xml"),
                                      line(e[1], "xl\\worksheets\\sheet1.xml")}));

  const std::string empty = platform::Utf8FromPath(scratch_.Write("Empty.xlsx", "nothing"));
  EXPECT_EQ(RunXlsxRepair({"--list", empty}).status, 1);
  EXPECT_EQ(RunXlsxRepair({"--list", platform::Utf8FromPath(scratch_ / "Missing.xlsx")}).status, 1);
}

TEST_F(CommandLine, EndsEveryLineTheWayThePlatformDoes) {
  const std::string book = Workbook("Book1.xlsx");
  const std::string missing = platform::Utf8FromPath(scratch_ / "Missing.xlsx");
  const Result crlf = RunXlsxRepair(
      {"--workspace", platform::Utf8FromPath(scratch_ / "ws"), book, missing}, LineEnd::CrLf);
  ASSERT_FALSE(crlf.out.empty());
  for (const std::string* text : {&crlf.out, &crlf.err}) {
    ASSERT_FALSE(text->empty());
    EXPECT_EQ(text->substr(text->size() - 2), "\r\n");
    for (std::size_t i = 0; i < text->size(); ++i) {
      if ((*text)[i] == '\n') {
        ASSERT_TRUE(i > 0 && (*text)[i - 1] == '\r') << "a bare line feed at " << i;
      }
      if ((*text)[i] == '\r') {
        ASSERT_TRUE(i + 1 < text->size() && (*text)[i + 1] == '\n') << "a bare CR at " << i;
      }
    }
  }
  const Result lf = RunXlsxRepair(
      {"--workspace", platform::Utf8FromPath(scratch_ / "ws2"), book, missing}, LineEnd::Lf);
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
  EXPECT_EQ(lf.err.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace xr::cli
