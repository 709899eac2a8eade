// The repair run end to end through a recording window: its log lines byte for byte, row marks,
// progress, stop requests, the start and completion sequences and the workspace naming rule.
#include "engine/repair_job.h"

#include <gtest/gtest.h>

#include "engine/log_lines.h"
#include "platform/folder.h"
#include "platform/temp.h"
#include "platform/text.h"
#include "support/recording_job_window.h"
#include "support/scratch_folder.h"
#include "support/zip_builder.h"

namespace xr::engine {
namespace {

const std::string kStars(85, '*');
const std::string kUnderscores(64, '_');

class RepairRun : public ::testing::Test {
 protected:
  RepairWorkspace Workspace() const { return RepairWorkspace(scratch_ / "XlsxTemp"); }

  // A small intact workbook-like archive.
  std::string Workbook(const std::string& marker = "1") const {
    test::ZipBuilder zip;
    zip.Add("xl/workbook.xml", "<workbook>" + marker + "</workbook>");
    zip.Add("xl/worksheets/sheet1.xml", std::string(500, 'c'));
    return zip.Finish().Bytes();
  }

  std::string Source(const std::string& relative, const std::string& bytes) const {
    return platform::Utf8FromPath(scratch_.Write(relative, bytes));
  }

  // Starts a repair of `paths` and runs the worker inline, as the command line does.
  void Run(const std::vector<std::string>& paths, test::RecordingJobWindow& window) {
    window.rows.clear();
    for (const auto& p : paths) window.rows.push_back({p});
    StartRepair(
        window, Workspace(), [&](const JobContext& context) { EXPECT_EQ(RepairJob(context), 1); },
        WorkspaceStart::Clear, &outcomes_);
  }

  test::ScratchFolder scratch_;
  std::vector<FileOutcome> outcomes_;
};

TEST(LogLines, AreTheFixedTextsByteForByte) {
  const std::string p = "C:\\Users\\ann\\Book1.xlsx";
  EXPECT_EQ(LogFileOpened(p), p + " file is open....\r\n");
  EXPECT_EQ(LogFileExtracted(p), p + " file is extracted....\r\n");
  EXPECT_EQ(LogFileClosed(p), p + " file is closed....\r\n");
  EXPECT_EQ(LogCannotOpen(p), p + " extraction of file failed.Please contact at "
                                  "support@tandrel.com for further assitance.\r\n");
  EXPECT_EQ(LogNothingSalvaged(p), p + " extraction of file failed. Please contact at "
                                       "support@tandrel.com for further assitance.\r\n");
  EXPECT_EQ(LogPreviewAvailable(p), p + " preview of file is available....\r\n");
  EXPECT_EQ(LogRepaired(p), p + "  Repaired....\r\n");
  EXPECT_EQ(LogStarLine(), kStars + "\r\n");
  EXPECT_EQ(LogStoppedBeforeFile(p),
            p + " file is not extracting as process has been stop by the user.... \r\n");
  EXPECT_EQ(LogNotRepaired(p), p + " not Repaired....\r\n");
  EXPECT_EQ(LogRunCompleted(), "Repairing process completed....\r\n");
  EXPECT_EQ(LogUnderscoreLine(), kUnderscores + "\r\n\r\n");
}

TEST(Workspace, NamesFileFoldersByFileNameAndIndex) {
  const RepairWorkspace workspace(platform::PathFromUtf8("root"));
  const struct {
    std::string source;
    int index;
    std::string folder;
  } cases[] = {
#ifdef _WIN32
      {"C:\\Users\\ann\\Book1.xlsx", 2, "root\\Book1.xlsx2"},
      {"D:\\x\\y\\Book1.xlsx", 10, "root\\Book1.xlsx10"},
#else
      {"/home/ann/Book1.xlsx", 2, "root/Book1.xlsx2"},
      {"/srv/x/y/Book1.xlsx", 10, "root/Book1.xlsx10"},
      {"/tmp/back\\slash.xlsx", 0, "root/back\\slash.xlsx0"},  // a backslash is a name byte here
#endif
      {"Book.xlsx", 0, "root" + std::string(1, platform::Path::preferred_separator) + "Book.xlsx0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::Utf8FromPath(workspace.FileFolder(c.source, c.index)), c.folder)
        << c.source;
  }
  // The window's workspace sits directly in the system temporary folder.
  const std::string temp = platform::Utf8FromPath(platform::TempFolder());
  const std::string separator = temp.back() == platform::Path::preferred_separator
                                    ? ""
                                    : std::string(1, platform::Path::preferred_separator);
  EXPECT_EQ(platform::Utf8FromPath(RepairWorkspace::Default().Root()),
            temp + separator + "XlsxTemp");
}

TEST(Workspace, ClearRemovesTheRootAndDeleteTreeKeepsTheFolder) {
  test::ScratchFolder scratch;
  scratch.Write("XlsxTemp/Book.xlsx0/xl/a.xml", "a");
  scratch.Write("XlsxTemp/loose.txt", "b");
  RepairWorkspace::DeleteTree(scratch / "XlsxTemp");
  EXPECT_TRUE(platform::IsFolder(scratch / "XlsxTemp"));
  EXPECT_TRUE(platform::ListFolder(scratch / "XlsxTemp").empty());
  scratch.Write("XlsxTemp/again.txt", "c");
  RepairWorkspace(scratch / "XlsxTemp").Clear();
  EXPECT_FALSE(std::filesystem::exists(scratch / "XlsxTemp"));
}

TEST_F(RepairRun, WritesTheSixLinesOfARepairedFileAndMarksItProcessed) {
  const std::string path = Source("in/Book1.xlsx", Workbook());
  test::RecordingJobWindow window;
  Run({path}, window);

  ASSERT_EQ(window.log.size(), 8u);
  EXPECT_EQ(window.LogTexts(),
            (std::vector<std::string>{
                path + " file is open....\r\n", path + " file is extracted....\r\n",
                path + " file is closed....\r\n", path + " preview of file is available....\r\n",
                path + "  Repaired....\r\n", kStars + "\r\n", "Repairing process completed....\r\n",
                kUnderscores + "\r\n\r\n"}));
  for (std::size_t i = 0; i < window.log.size(); ++i) {
    EXPECT_EQ(window.log[i].colour, i == 4 ? kGreen : kBlack) << "line " << i;
  }
  EXPECT_EQ(window.rows[0].icon, kIconProcessed);
  EXPECT_EQ(window.rows[0].mark, 1);
  EXPECT_EQ(window.rows[0].path, path);  // the row text stays the plain path
  const auto folder = Workspace().FileFolder(path, 0);
  EXPECT_EQ(test::ReadAll(folder / "xl/workbook.xml"), "<workbook>1</workbook>");
  EXPECT_EQ(std::filesystem::file_size(folder / "[Content_Types].xml"), 1304u);
  EXPECT_EQ(outcomes_, std::vector<FileOutcome>{FileOutcome::Repaired});
}

TEST_F(RepairRun, ReportsFilesWithNothingToSalvageAndFilesThatCannotBeOpened) {
  const std::string empty = Source("in/NoZip.xlsx", "no local header in here at all");
  const std::string missing = platform::Utf8FromPath(scratch_ / "in/Missing.xlsx");
  test::RecordingJobWindow window;
  Run({empty, missing}, window);

  EXPECT_EQ(window.LogTexts(),
            (std::vector<std::string>{
                empty + " file is open....\r\n", empty + " file is extracted....\r\n",
                empty + " file is closed....\r\n",
                empty + " extraction of file failed. Please contact at support@tandrel.com for "
                        "further assitance.\r\n",
                missing + " extraction of file failed.Please contact at support@tandrel.com for "
                          "further assitance.\r\n",
                "Repairing process completed....\r\n", kUnderscores + "\r\n\r\n"}));
  // Nothing salvaged still counts as processed; the folder is there and empty.
  EXPECT_EQ(window.rows[0].icon, kIconProcessed);
  EXPECT_EQ(window.rows[0].mark, 1);
  EXPECT_TRUE(platform::IsFolder(Workspace().FileFolder(empty, 0)));
  EXPECT_TRUE(platform::ListFolder(Workspace().FileFolder(empty, 0)).empty());
  // An unopenable file keeps its listed state, gets no folder, and its reason was shown.
  EXPECT_EQ(window.rows[1].icon, kIconListed);
  EXPECT_EQ(window.rows[1].mark, 0);
  EXPECT_FALSE(std::filesystem::exists(Workspace().FileFolder(missing, 1)));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].flags, 0x40u);
  EXPECT_EQ(outcomes_,
            (std::vector<FileOutcome>{FileOutcome::NothingSalvaged, FileOutcome::CannotOpen}));
}

TEST_F(RepairRun, RunsOnlyTheSetUpAndCompletionForAnEmptyList) {
  test::RecordingJobWindow window;
  Run({}, window);
  EXPECT_EQ(window.LogTexts(), (std::vector<std::string>{"Repairing process completed....\r\n",
                                                         kUnderscores + "\r\n\r\n"}));
  EXPECT_TRUE(platform::IsFolder(Workspace().Root()));
}

TEST_F(RepairRun, GivesFilesOfTheSameNameTheirOwnFolders) {
  const std::string a = Source("one/Book.xlsx", Workbook("A"));
  const std::string b = Source("two/Book.xlsx", Workbook("B"));
  test::RecordingJobWindow window;
  Run({a, b}, window);
  EXPECT_EQ(test::ReadAll(Workspace().Root() / "Book.xlsx0/xl/workbook.xml"),
            "<workbook>A</workbook>");
  EXPECT_EQ(test::ReadAll(Workspace().Root() / "Book.xlsx1/xl/workbook.xml"),
            "<workbook>B</workbook>");
}

TEST_F(RepairRun, MarksEveryFileStoppedWhenStopComesBeforeTheFirst) {
  const std::string a = Source("a.xlsx", Workbook()), b = Source("b.xlsx", Workbook());
  test::RecordingJobWindow window;
  window.rows = {{a}, {b}};
  StartRepair(
      window, Workspace(),
      [&](const JobContext& context) {
        window.runFlag = 0;  // Stop confirmed before the worker reaches the first file
        RepairJob(context);
      },
      WorkspaceStart::Clear, &outcomes_);

  EXPECT_EQ(window.LogTexts(),
            (std::vector<std::string>{
                a + " file is not extracting as process has been stop by the user.... \r\n",
                a + " not Repaired....\r\n", kStars + "\r\n",
                b + " file is not extracting as process has been stop by the user.... \r\n",
                b + " not Repaired....\r\n", kStars + "\r\n", "Repairing process completed....\r\n",
                kUnderscores + "\r\n\r\n"}));
  EXPECT_EQ(window.log[1].colour, kRed);
  EXPECT_EQ(window.rows[0].icon, kIconStopped);
  EXPECT_EQ(window.rows[1].icon, kIconStopped);
  EXPECT_EQ(window.CallsStartingWith("SetProgress Total"),
            (std::vector<std::string>{"SetProgress Total 0", "SetProgress Total 2"}));
  EXPECT_EQ(outcomes_, (std::vector<FileOutcome>{FileOutcome::Stopped, FileOutcome::Stopped}));
}

TEST_F(RepairRun, StopDuringTheScanOfTheSecondOfFiveFinishesItAndStopsTheRest) {
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i)
    paths.push_back(Source("f" + std::to_string(i) + ".xlsx", Workbook()));
  test::RecordingJobWindow window;
  // Stop is confirmed right after the second file was opened, while its scan runs.
  window.onCall = [&](const std::string& call) {
    if (call == "AppendLog" && window.log.back().text == LogFileOpened(paths[1])) {
      window.runFlag = 0;
    }
  };
  Run(paths, window);

  // The second file's scan ends at once, so it has nothing to extract; it is still processed.
  EXPECT_EQ(window.rows[1].icon, kIconProcessed);
  const std::vector<std::string> log = window.LogTexts();
  EXPECT_NE(std::find(log.begin(), log.end(), LogFileClosed(paths[1])), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), LogNothingSalvaged(paths[1])), log.end());
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(window.rows[static_cast<std::size_t>(i)].icon, kIconStopped) << i;
    EXPECT_NE(std::find(log.begin(), log.end(), LogNotRepaired(paths[static_cast<std::size_t>(i)])),
              log.end());
  }
  EXPECT_EQ(window.CallsStartingWith("SetProgress Total"),
            (std::vector<std::string>{"SetProgress Total 0", "SetProgress Total 1",
                                      "SetProgress Total 2", "SetProgress Total 5"}));
  EXPECT_EQ(window.runFlag.load(), 0);
}

TEST_F(RepairRun, StartAndCompletionMakeTheirWindowCallsInOrder) {
  scratch_.Write("XlsxTemp/Old.xlsx0/stale.xml", "from an earlier run");
  const std::string path = Source("Book.xlsx", Workbook());
  test::RecordingJobWindow window({path});
  std::vector<std::string> atWorkerStart;
  StartRepair(window, Workspace(), [&](const JobContext& context) {
    atWorkerStart = window.calls;
    EXPECT_EQ(window.runFlag.load(), 1);
    EXPECT_EQ(context.window, &window);
    RepairJob(context);
  });
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "XlsxTemp/Old.xlsx0"));
  EXPECT_EQ(
      atWorkerStart,
      (std::vector<std::string>{
          "ShowPreviewNotice 6",
          "SetInstructions 'Please wait while .xlsx file(s) are Repairing....' [19,30)",
          "SetCommandStates canSelect=0 canRepair=0 select=0 repair=0 remove=0 stopEnabled=1 "
          "stopVisible=1",
          "ShowPreviewNotice 2", "SetLogText ''", "SetProgress File 0", "SetProgress Total 0"}));

  const std::vector<std::string> setUp(
      window.calls.begin() + static_cast<long>(atWorkerStart.size()),
      window.calls.begin() + static_cast<long>(atWorkerStart.size()) + 4);
  EXPECT_EQ(setUp, (std::vector<std::string>{"SourceCount", "ShowProgressArea show",
                                             "ResetProgress Total 1", "SourcePath 0"}));
  ASSERT_GE(window.calls.size(), 8u);
  const std::vector<std::string> completion(window.calls.end() - 8, window.calls.end());
  EXPECT_EQ(completion,
            (std::vector<std::string>{
                "SetProgress Total 1",  // after the file
                "SetProgress Total 1",  // the completion puts the total bar at the count
                "ShowPreviewNotice 3", "AppendLog", "AppendLog",
                "SetCommandStates canSelect=1 canRepair=1 canSave=1 select=1 repair=1 remove=1 "
                "stopVisible=0 saveControls=1",
                "SetInstructions 'Click item in the list to see the preview in right side.\nClick "
                "Browse folder to "
                "select destination path.\nClick Save.... to save .xlsx file(s)' [6,22) [62,76) "
                "[110,118) [127,133)",
                "ShowProgressArea hide"}));
  EXPECT_EQ(window.runFlag.load(), 0);
}

TEST_F(RepairRun, ANewRunClearsTheWorkspaceOfTheLastOne) {
  const std::string first = Source("First.xlsx", Workbook()),
                    second = Source("Second.xlsx", Workbook());
  test::RecordingJobWindow window;
  Run({first}, window);
  ASSERT_TRUE(platform::IsFolder(Workspace().FileFolder(first, 0)));
  test::RecordingJobWindow again;
  Run({second}, again);
  EXPECT_FALSE(std::filesystem::exists(Workspace().FileFolder(first, 0)));
  EXPECT_TRUE(platform::IsFolder(Workspace().FileFolder(second, 0)));
  EXPECT_EQ(again.calls.front(), "ShowPreviewNotice 6");  // the preview lets go before the clear
}

TEST_F(RepairRun, KeepsAWorkspaceTheCallerOwns) {
  scratch_.Write("XlsxTemp/mine.txt", "the user's");
  const std::string path = Source("Book.xlsx", Workbook());
  test::RecordingJobWindow window({path});
  StartRepair(
      window, Workspace(), [](const JobContext& context) { RepairJob(context); },
      WorkspaceStart::Keep);
  EXPECT_EQ(test::ReadAll(scratch_ / "XlsxTemp/mine.txt"), "the user's");
  EXPECT_NE(window.calls.front(), "ShowPreviewNotice 6");
}

}  // namespace
}  // namespace xr::engine
