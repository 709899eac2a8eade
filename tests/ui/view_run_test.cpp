// A whole repair run and save run driven through the window on generated damaged workbooks: the
// log's lines and colours, the rows' icons and marks, the message boxes and the files written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/log_lines.h"
#include "view_fixture.h"

namespace xr::test {
namespace {

using ViewRun = ViewTestBase<>;

std::wstring Stars() { return std::wstring(85, L'*') + L"\r"; }

TEST_F(ViewRun, RepairsAndSavesThroughTheWindow) {
  const std::string png = PictureBytes(scratch, L"image/png", RGB(0, 0, 255), "blue.png");
  const std::wstring pictures =
      scratch.Write("in/pictures.xlsx", DamagedWorkbook({{"xl/media/image1.png", png}})).wstring();
  const std::wstring missing = (scratch.path() / "in" / "missing.xlsx").wstring();
  const std::wstring noZip = scratch.Write("in/no zip.xlsx", "no local header in here at all").wstring();
  Select({pictures, missing, noZip});

  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());

  const std::wstring support = platform::Widen(std::string(engine::kSupportAddress));
  const std::vector<LogLine> repairLog = {
      {pictures + L" file is open....\r", kLogBlack},
      {pictures + L" file is extracted....\r", kLogBlack},
      {pictures + L" file is closed....\r", kLogBlack},
      {pictures + L" preview of file is available....\r", kLogBlack},
      {pictures + L"  Repaired....\r", kLogGreen},
      {Stars(), kLogBlack},
      {missing + L" extraction of file failed.Please contact at " + support + L" for further assitance.\r",
       kLogBlack},
      {noZip + L" file is open....\r", kLogBlack},
      {noZip + L" file is extracted....\r", kLogBlack},
      {noZip + L" file is closed....\r", kLogBlack},
      {noZip + L" extraction of file failed. Please contact at " + support + L" for further assitance.\r",
       kLogBlack},
      {L"Repairing process completed....\r", kLogBlack},
      {std::wstring(64, L'_') + L"\r", kLogBlack},
      {L"\r", kLogBlack},
  };
  EXPECT_EQ(LogLines(), repairLog);
  const std::vector<Row> repaired = {{pictures, 1, 1}, {missing, 2, 0}, {noZip, 1, 1}};
  EXPECT_EQ(Rows(), repaired);
  ASSERT_EQ(Messages().size(), 1u) << "the file that cannot be opened";
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_EQ(Messages()[0].flags, 0x40u);
  EXPECT_FALSE(Messages()[0].text.empty());
  EXPECT_TRUE(std::filesystem::exists(Root() / "pictures.xlsx0" / "xl" / "media" / "image1.png"));
  EXPECT_TRUE(std::filesystem::is_directory(Root() / "no zip.xlsx2"));
  EXPECT_FALSE(std::filesystem::exists(Root() / "missing.xlsx1"));
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 3);
  EXPECT_FALSE(view->FileProgressBar().IsVisible()) << "the progress area goes with the run";
  EXPECT_EQ(PlainText(view->InstructionPane()),
            L"Click item in the list to see the preview in right side.\rClick Browse folder to select "
            L"destination path.\rClick Save.... to save .xlsx file(s)");

  std::filesystem::create_directories(scratch.path() / "out");
  const std::wstring out = (scratch.path() / "out").wstring();
  folder = out;
  ClickButton(ID_VANTOR_BTN_BROWSE);
  ClickButton(ID_VANTOR_BTN_SAVE_FILES);
  ASSERT_TRUE(WaitIdle());

  const std::vector<LogLine> saveLog = {
      {pictures + L" saving of file starts....\r", kLogBlack},
      {pictures + L" Media extraction is done....\r", kLogBlack},
      {pictures + L" saving of file done....\r", kLogGreen},
      {Stars(), kLogBlack},
      {missing + L" cannot be saved,as it is not Repaired.\r", kLogRed},
      {Stars(), kLogBlack},
      {noZip + L" saving of file starts....\r", kLogBlack},
      {noZip + L" no media content is present in the file....\r", kLogBlack},
      {noZip + L" saving of file done....\r", kLogGreen},
      {Stars(), kLogBlack},
      {L"Saving processing completed....\r", kLogBlack},
      {std::wstring(64, L'_') + L"\r", kLogBlack},
      {L"\r", kLogBlack},
  };
  EXPECT_EQ(LogLines(), saveLog);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].owner, view->hwnd()) << "the completion box belongs to the window";
  EXPECT_EQ(Messages()[1].text, L"File(s) saving process has been completed.Saved file(s) location is:"
                                L"<br><a href='" + out + L"'>" + out + L"</a>");

  const std::string archive = ReadAll(scratch.path() / "out" / "TDRREP_pictures.xlsx");
  EXPECT_EQ(archive.substr(0, 4), std::string("PK\x03\x04", 4));
  EXPECT_NE(archive.find("xl/workbook.xml"), std::string::npos);
  EXPECT_NE(archive.find("PK\x05\x06"), std::string::npos) << "a well-formed archive ends with its directory";
  EXPECT_EQ(ReadAll(scratch.path() / "out" / "pictures.xlsx_MediaContent" / "image1.png"), png);
  EXPECT_TRUE(std::filesystem::exists(scratch.path() / "out" / "TDRREP_no zip.xlsx"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "out" / "no zip.xlsx_MediaContent"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "out" / "TDRREP_missing.xlsx"));
  EXPECT_TRUE(std::filesystem::exists(Root() / "pictures.xlsx0")) << "saving only reads the workspace";
  EXPECT_EQ(PlainText(view->InstructionPane()),
            L"Saving of .xlsx file(s) completed....\r Click exit to end the application or \rSelect "
            L"new .xlsx file(s) to repair....");
}

TEST_F(ViewRun, ADestinationThatIsNoFolderIsRefused) {
  Select({scratch.Write("in/a.xlsx", DamagedWorkbook()).wstring()});
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  const std::wstring before = LogText();
  ClickButton(ID_VANTOR_BTN_SAVE_FILES);  // the box still shows its prompt
  ASSERT_TRUE(WaitIdle());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, L"Please select a valid folder path.");
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_EQ(LogText(), before);
  EXPECT_TRUE(view->CanSave());
  EXPECT_EQ(runFlag.load(), 0);
}

}  // namespace
}  // namespace xr::test
