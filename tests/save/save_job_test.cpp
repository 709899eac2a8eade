// The save run through a recording window: its log, its window calls, the files it writes, stop
// handling, and the mends for failures and same-named files.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/text.h"
#include "save/save_job.h"
#include "save/start_save.h"
#include "support/recording_job_window.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using xr::engine::kBlack;
using xr::engine::kGreen;
using xr::engine::kRed;
using xr::test::ReadAll;
using xr::test::RecordingJobWindow;
using xr::test::ScratchFolder;
using LogLine = RecordingJobWindow::LogLine;
using Message = RecordingJobWindow::Message;

const std::string kStars = std::string(85, '*') + "\r\n";
const std::string kUnderscores = std::string(64, '_') + "\r\n\r\n";
const LogLine kCompleted{"Saving processing completed....\r\n", kBlack};
const LogLine kRunEnd{kUnderscores, kBlack};

std::string Utf8(const fs::path& path) { return xr::platform::Utf8FromPath(path); }

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.insert(Utf8(entry.path().filename()));
  return names;
}

// A workspace and a destination in a scratch folder, and a window whose list shows the sources.
class SaveRun : public ::testing::Test {
 protected:
  SaveRun() {
    fs::create_directories(workspace);
    fs::create_directories(out);
    window.destination = Utf8(out);
  }

  // Lists a source at the next index; its repaired package gets `files` (relative path, bytes).
  std::string AddSource(const std::string& folder, const std::string& name, bool repaired,
                        const std::vector<std::pair<std::string, std::string>>& files = {{"[Content_Types].xml", "<Types/>"}}) {
    const std::string path = Utf8(scratch / "sources" / folder / name);
    const int index = static_cast<int>(window.rows.size());
    window.rows.push_back({.path = path, .mark = repaired ? 1 : 0});
    fs::create_directories(workspace / (name + std::to_string(index)));
    for (const auto& [relative, bytes] : files) {
      scratch.Write("XlsxTemp/" + name + std::to_string(index) + "/" + relative, bytes);
    }
    return path;
  }

  int Run(const xr::save::Packer& pack = xr::zip::PackFolder) {
    return xr::save::SaveJob::Run(window, xr::engine::RepairWorkspace(workspace), &report, pack);
  }

  ScratchFolder scratch;
  fs::path workspace = scratch / "XlsxTemp";
  fs::path out = scratch / "out";
  RecordingJobWindow window;
  xr::save::SaveReport report;
};

TEST_F(SaveRun, RepairedFileWithPicturesLeavesTheWrittenLinesAndWindowCalls) {
  const std::string p = AddSource("in", "Book1.xlsx", true,
                                  {{"[Content_Types].xml", "<Types/>"},
                                   {"xl/media/image1.png", "png"},
                                   {"docProps/thumbnail.jpeg", "jpeg"}});
  window.extractMedia = true;
  bool flagSetDuringRun = false;
  window.onCall = [&](const std::string& call) {
    if (call == "ShowTotalProgressOnly") flagSetDuringRun = window.runFlag.load() == 1;
  };

  EXPECT_EQ(Run(), 1);

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {p + " saving of file starts....\r\n", kBlack},
                            {p + " Media extraction is done....\r\n", kBlack},
                            {p + " saving of file done....\r\n", kGreen},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_EQ(window.Effects(), (std::vector<std::string>{
                                  "SetProgress File 0",
                                  "SetProgress Total 0",
                                  "SetCommandStates canSave=0 saveControls=0",
                                  "SetLogText ''",
                                  "SetCommandStates canSelect=0 canRepair=0 select=0 repair=0 remove=0",
                                  "SetInstructions 'Please wait while .xlsx file(s) are saving....' [19,30)",
                                  "SetCommandStates stopEnabled=1 stopVisible=1",
                                  "ShowTotalProgressOnly",
                                  "ResetProgress Total 1",
                                  "AppendLog", "AppendLog", "AppendLog", "AppendLog",
                                  "SetProgress Total 1",
                                  "SetProgress Total 1",
                                  "AppendLog", "AppendLog",
                                  "SetInstructions 'Saving of .xlsx file(s) completed....\n Click exit to end the "
                                  "application or \nSelect new .xlsx file(s) to repair....' [11,22)",
                                  "SetCommandStates stopVisible=0",
                                  "SetCommandStates canSelect=1 canRepair=1 canSave=1 select=1 repair=1 "
                                  "remove=1 saveControls=1",
                                  "ShowProgressArea hide",
                                  "ShowMessage",
                              }));
  EXPECT_TRUE(flagSetDuringRun);
  EXPECT_EQ(window.runFlag.load(), 0);
  EXPECT_EQ(window.messages, (std::vector<Message>{
                                 {"File(s) saving process has been completed.Saved file(s) location is:<br>"
                                  "<a href='" + window.destination + "'>" + window.destination + "</a>",
                                  0x40, true}}));

  EXPECT_TRUE(fs::is_regular_file(out / "TDRREP_Book1.xlsx"));
  EXPECT_EQ(ReadAll(out / "TDRREP_Book1.xlsx").substr(0, 4), std::string("PK\x03\x04", 4));
  EXPECT_EQ(NamesIn(out / "Book1.xlsx_MediaContent"), (std::set<std::string>{"image1.png", "thumbnail.jpeg"}));
  EXPECT_EQ(ReadAll(workspace / "Book1.xlsx0/xl/media/image1.png"), "png") << "the workspace is only read";
  EXPECT_TRUE(report.AllSaved());
  EXPECT_EQ(report.saved, 1);
}

TEST_F(SaveRun, FilesThatAreNotRepairedAreReportedAndNotWritten) {
  const std::string a = AddSource("in", "A.xlsx", false);
  const std::string b = AddSource("in", "B.xlsx", true);
  const std::string c = AddSource("in", "C.xlsx", false);

  Run();

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {a + " cannot be saved,as it is not Repaired.\r\n", kRed},
                            {kStars, kBlack},
                            {b + " saving of file starts....\r\n", kBlack},
                            {b + " saving of file done....\r\n", kGreen},
                            {kStars, kBlack},
                            {c + " cannot be saved,as it is not Repaired.\r\n", kRed},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_EQ(NamesIn(out), std::set<std::string>{"TDRREP_B.xlsx"});
  EXPECT_EQ(report.notRepaired, 2);
  EXPECT_EQ(report.saved, 1);
  EXPECT_FALSE(report.AllSaved());
}

TEST_F(SaveRun, StopDuringTheSecondFileFinishesItAndSkipsTheRest) {
  std::vector<std::string> p;
  for (const char* name : {"One.xlsx", "Two.xlsx", "Three.xlsx", "Four.xlsx"}) p.push_back(AddSource("in", name, true));
  window.onCall = [&](const std::string& call) {
    if (call == "AppendLog" && window.log.back().text == p[1] + " saving of file starts....\r\n") window.runFlag = 0;
  };

  EXPECT_EQ(Run(), 1);

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {p[0] + " saving of file starts....\r\n", kBlack},
                            {p[0] + " saving of file done....\r\n", kGreen},
                            {kStars, kBlack},
                            {p[1] + " saving of file starts....\r\n", kBlack},
                            {p[1] + " saving of file done....\r\n", kGreen},
                            {kStars, kBlack},
                            {p[2] + " file is not saving as process has been stop by the user.... \r\n", kBlack},
                            {p[2] + " not saved....\r\n", kRed},
                            {kStars, kBlack},
                            {p[3] + " file is not saving as process has been stop by the user.... \r\n", kBlack},
                            {p[3] + " not saved....\r\n", kRed},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_EQ(window.clearedMarks, (std::vector<int>{2, 3}));
  EXPECT_EQ(window.CallsStartingWith("SetProgress Total"),
            (std::vector<std::string>{"SetProgress Total 0", "SetProgress Total 1",
                                      "SetProgress Total 2", "SetProgress Total 4"}));
  EXPECT_EQ(NamesIn(out), (std::set<std::string>{"TDRREP_One.xlsx", "TDRREP_Two.xlsx"}));
  EXPECT_EQ(window.messages.size(), 1u) << "the completion message is shown after a stop too";
  EXPECT_EQ(window.runFlag.load(), 0);
  EXPECT_EQ(report.stopped, 2);
}

TEST_F(SaveRun, AStopIsNoticedOnlyAtARepairedFileAndThenCoversEveryRemainingFile) {
  const std::string a = AddSource("in", "A.xlsx", false);
  const std::string b = AddSource("in", "B.xlsx", true);
  const std::string c = AddSource("in", "C.xlsx", false);
  window.onCall = [&](const std::string& call) {
    if (call == "SetCommandStates stopEnabled=1 stopVisible=1") window.runFlag = 0;
  };

  Run();

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {a + " cannot be saved,as it is not Repaired.\r\n", kRed},
                            {kStars, kBlack},
                            {b + " file is not saving as process has been stop by the user.... \r\n", kBlack},
                            {b + " not saved....\r\n", kRed},
                            {kStars, kBlack},
                            {c + " file is not saving as process has been stop by the user.... \r\n", kBlack},
                            {c + " not saved....\r\n", kRed},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_EQ(window.clearedMarks, (std::vector<int>{1, 2}));
  EXPECT_TRUE(NamesIn(out).empty());
}

TEST_F(SaveRun, EmptyListLogsOnlyTheCompletionAndStillNamesTheDestination) {
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(window.log, (std::vector<LogLine>{kCompleted, kRunEnd}));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_NE(window.messages[0].text.find("<a href='" + window.destination + "'>"), std::string::npos);
  EXPECT_TRUE(report.AllSaved());
}

TEST_F(SaveRun, ARefusedDestinationChangesNothing) {
  AddSource("in", "Book1.xlsx", true);
  const std::string file = Utf8(scratch.Write("plain.txt", "not a folder"));
  for (const std::string& destination : {std::string(), Utf8(scratch / "missing"), file}) {
    window.calls.clear();
    window.messages.clear();
    window.destination = destination;
    EXPECT_EQ(Run(), 0) << destination;
    EXPECT_EQ(window.calls, (std::vector<std::string>{"DestinationText", "ShowMessage"})) << destination;
    EXPECT_EQ(window.messages, (std::vector<Message>{{"Please select a valid folder path.", 0x40, false}}));
    EXPECT_EQ(window.runFlag.load(), 0);
    EXPECT_FALSE(report.destinationAccepted);
  }
  EXPECT_TRUE(window.log.empty());
  EXPECT_TRUE(NamesIn(out).empty());
}

TEST_F(SaveRun, ATrailingSeparatorOnTheDestinationWritesTheSameFiles) {
  AddSource("in", "Book1.xlsx", true);
  std::vector<fs::path> archives;
  const auto recordingPacker = [&](const fs::path&, const fs::path& archive) {
    archives.push_back(archive);
    return xr::zip::PackResult{true, true};
  };
  const std::string plain = window.destination;
  const std::string withSeparator = plain + static_cast<char>(fs::path::preferred_separator);

  window.destination = withSeparator;
  Run(recordingPacker);
  window.destination = plain;
  Run(recordingPacker);

  ASSERT_EQ(archives.size(), 2u);
  EXPECT_EQ(archives[0], archives[1]);
  EXPECT_EQ(archives[0], xr::platform::PathFromUtf8(withSeparator + "TDRREP_Book1.xlsx"));
  ASSERT_EQ(window.messages.size(), 2u);
  EXPECT_NE(window.messages[0].text.find(">" + withSeparator + "</a>"), std::string::npos)
      << "the message shows the destination as typed";
  EXPECT_NE(window.messages[1].text.find(">" + plain + "</a>"), std::string::npos);
}

TEST_F(SaveRun, APackageWithoutPicturesLeavesNoMediaFolder) {
  const std::string p = AddSource("in", "Plain.xlsx", true, {{"xl/workbook.xml", "<workbook/>"}});
  window.extractMedia = true;

  Run();

  EXPECT_EQ(window.log[1], (LogLine{p + " no media content is present in the file....\r\n", kBlack}));
  EXPECT_EQ(NamesIn(out), std::set<std::string>{"TDRREP_Plain.xlsx"});
  EXPECT_TRUE(report.AllSaved());
}

TEST_F(SaveRun, SameNameTwiceGivesTheLaterFileADistinctArchiveAndMediaFolder) {
  const std::string first = AddSource("dirA", "Book1.xlsx", true, {{"xl/media/fromA.png", "A"}});
  const std::string second = AddSource("dirB", "Book1.xlsx", true, {{"xl/media/fromB.png", "B"}});
  window.extractMedia = true;

  Run();

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {first + " saving of file starts....\r\n", kBlack},
                            {first + " Media extraction is done....\r\n", kBlack},
                            {first + " saving of file done....\r\n", kGreen},
                            {kStars, kBlack},
                            {second + " saving of file starts....\r\n", kBlack},
                            {second + " Media extraction is done into Book1 (2).xlsx_MediaContent....\r\n", kBlack},
                            {second + " saving of file done as TDRREP_Book1 (2).xlsx....\r\n", kGreen},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_EQ(NamesIn(out), (std::set<std::string>{"TDRREP_Book1.xlsx", "TDRREP_Book1 (2).xlsx",
                                                 "Book1.xlsx_MediaContent", "Book1 (2).xlsx_MediaContent"}));
  EXPECT_NE(ReadAll(out / "TDRREP_Book1.xlsx").find("fromA.png"), std::string::npos);
  EXPECT_NE(ReadAll(out / "TDRREP_Book1 (2).xlsx").find("fromB.png"), std::string::npos);
  EXPECT_EQ(NamesIn(out / "Book1.xlsx_MediaContent"), std::set<std::string>{"fromA.png"});
  EXPECT_EQ(NamesIn(out / "Book1 (2).xlsx_MediaContent"), std::set<std::string>{"fromB.png"});
  EXPECT_TRUE(report.AllSaved());
}

TEST_F(SaveRun, SavingTwiceReplacesTheArchiveUnderTheSameName) {
  AddSource("in", "Book1.xlsx", true, {{"xl/a.xml", "first"}});
  Run();
  scratch.Write("XlsxTemp/Book1.xlsx0/xl/b.xml", "second");
  Run();
  EXPECT_EQ(NamesIn(out), std::set<std::string>{"TDRREP_Book1.xlsx"})
      << "names are distinct within one run only; a later run replaces";
  EXPECT_NE(ReadAll(out / "TDRREP_Book1.xlsx").find("b.xml"), std::string::npos);
}

// Failures are never reported as success: the file's line turns red and the report counts it.
TEST_F(SaveRun, AnArchiveThatCannotBeWrittenWholeIsReportedAsFailed) {
  const std::string p = AddSource("in", "Book1.xlsx", true);
  fs::create_directories(out / "TDRREP_Book1.xlsx");  // a folder where the archive should go

  Run();
  EXPECT_EQ(window.log[1], (LogLine{p + " saving of file failed....\r\n", kRed}));
  EXPECT_EQ(report.failed, 1);
  EXPECT_FALSE(report.AllSaved());

  window.log.clear();
  Run([](const fs::path&, const fs::path&) { return xr::zip::PackResult{true, false}; });
  EXPECT_EQ(window.log[1], (LogLine{p + " saving of file failed....\r\n", kRed}))
      << "an archive that misses a file of the package is no success either";
  EXPECT_EQ(report.failed, 1);
}

TEST_F(SaveRun, AMissingPackageIsReportedAsFailedInsteadOfSavedEmpty) {
  const std::string p = AddSource("in", "Book1.xlsx", true);
  fs::remove_all(workspace / "Book1.xlsx0");

  Run();

  EXPECT_EQ(window.log, (std::vector<LogLine>{
                            {p + " saving of file starts....\r\n", kBlack},
                            {p + " saving of file failed....\r\n", kRed},
                            {kStars, kBlack},
                            kCompleted,
                            kRunEnd,
                        }));
  EXPECT_TRUE(NamesIn(out).empty());
  EXPECT_EQ(report.failed, 1);
}

TEST_F(SaveRun, MediaFailuresAreReportedInsteadOfExtractionDone) {
  const std::string p = AddSource("in", "Book1.xlsx", true, {{"xl/media/image1.png", "1"}});
  window.extractMedia = true;
  scratch.Write("out/Book1.xlsx_MediaContent", "a file where the media folder should be");

  Run();
  EXPECT_EQ(window.log[1], (LogLine{p + " media folder cannot be created....\r\n", kRed}));
  EXPECT_EQ(window.log[2], (LogLine{p + " saving of file done....\r\n", kGreen})) << "the archive itself is fine";
  EXPECT_EQ(report.failed, 1);

  fs::remove(out / "Book1.xlsx_MediaContent");
  fs::create_directories(out / "Book1.xlsx_MediaContent/image1.png");  // the copy cannot land
  window.log.clear();
  Run();
  EXPECT_EQ(window.log[1], (LogLine{p + " Media extraction failed....\r\n", kRed}));
  EXPECT_EQ(report.failed, 1);
}

TEST(StartSave, RefusesWhileAJobRunsAndOtherwiseStartsTheWorker) {
  ScratchFolder scratch;
  RecordingJobWindow window;
  window.destination = xr::platform::Utf8FromPath(scratch.path());
  int starts = 0;
  const auto inPlace = [&](std::function<void()> work) {
    ++starts;
    work();
    return true;
  };

  window.runFlag = 1;
  EXPECT_FALSE(xr::save::StartSave(window, xr::engine::RepairWorkspace(scratch / "XlsxTemp"), inPlace));
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(window.messages,
            (std::vector<Message>{{"Please stop the running process before saving the file(s).", 0x40, false}}));
  EXPECT_EQ(window.runFlag.load(), 1) << "the refusal leaves the running job alone";

  window.runFlag = 0;
  window.messages.clear();
  EXPECT_TRUE(xr::save::StartSave(window, xr::engine::RepairWorkspace(scratch / "XlsxTemp"), inPlace));
  EXPECT_EQ(starts, 1);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_TRUE(window.messages[0].owned) << "the worker ran the save and ended with its completion message";
}

TEST(StartSave, RunsTheSaveOnAThreadOfItsOwn) {
  ScratchFolder scratch;
  RecordingJobWindow window;
  window.destination = xr::platform::Utf8FromPath(scratch.path());
  auto finished = std::make_shared<std::promise<std::thread::id>>();
  auto done = finished->get_future();
  const auto detached = [finished](std::function<void()> work) {
    return xr::save::StartDetachedWorker([finished, work = std::move(work)] {
      work();
      finished->set_value(std::this_thread::get_id());
    });
  };

  ASSERT_TRUE(xr::save::StartSave(window, xr::engine::RepairWorkspace(scratch / "XlsxTemp"), detached));
  ASSERT_EQ(done.wait_for(std::chrono::seconds(30)), std::future_status::ready);
  EXPECT_NE(done.get(), std::this_thread::get_id());
  EXPECT_EQ(window.log, (std::vector<LogLine>{kCompleted, kRunEnd}));
  EXPECT_EQ(window.messages.size(), 1u);
}

}  // namespace
