// The source file list: selections with the duplicate rule, drops from the shell, removal of rows
// with the workspace clean-up, and the dialog's result buffer.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "view_fixture.h"

namespace xr::test {
namespace {

using ViewSources = ViewTestBase<>;

// The shell's drop data for these names, as a drag from the desktop delivers it.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

std::vector<std::wstring> Paths(const std::vector<Row>& rows) {
  std::vector<std::wstring> paths;
  for (const Row& row : rows) paths.push_back(row.path);
  return paths;
}

TEST_F(ViewSources, SelectionAddsNewPathsAndNamesEachDuplicate) {
  Select({L"C:\\in\\Book1.xlsx", L"C:\\in\\Ärger.xlsx"});
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 1);
  EXPECT_EQ(LogText(), L"Select .xlsx file(s) to Repair....");
  // Only the letters A to Z are compared without case.
  Select({L"c:\\IN\\book1.XLSX", L"C:\\in\\ärger.xlsx", L"C:\\in\\Book2.xlsx"});

  const std::vector<Row> expected = {{L"C:\\in\\Book1.xlsx", 2, 0},
                                     {L"C:\\in\\Ärger.xlsx", 2, 0},
                                     {L"C:\\in\\ärger.xlsx", 2, 0},
                                     {L"C:\\in\\Book2.xlsx", 2, 0}};
  EXPECT_EQ(Rows(), expected);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, L"c:\\IN\\book1.XLSXalready exist in the list.");
  EXPECT_EQ(Messages()[0].flags, 0x40u);
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_TRUE(view->CanRepair());
}

TEST_F(ViewSources, ASelectionOfListedFilesStillEnablesRepair) {
  view->Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"C:\\in\\a.xlsx", L"C:\\in\\b.xlsx"})));
  EXPECT_FALSE(view->CanRepair()) << "a drop changes no state";
  EXPECT_FALSE(view->Button(ID_VANTOR_BTN_RECOVER_FILES)->IsEnabled());

  Select({L"C:\\in\\a.xlsx", L"C:\\in\\B.xlsx"});
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_TRUE(view->CanRepair());
  EXPECT_TRUE(view->Button(ID_VANTOR_BTN_RECOVER_FILES)->IsEnabled());
  EXPECT_TRUE(view->Button(ID_VANTOR_BTN_REMOVE_FILES)->IsEnabled());
}

TEST_F(ViewSources, SelectionsAccumulateUntilARepairThenReplaceTheList) {
  const std::wstring a = scratch.Write("in/a.xlsx", DamagedWorkbook()).wstring();
  const std::wstring b = scratch.Write("in/b.xlsx", DamagedWorkbook()).wstring();
  Select({a});
  Select({b});
  EXPECT_EQ(Paths(Rows()), (std::vector<std::wstring>{a, b}));

  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  ASSERT_TRUE(std::filesystem::exists(Root() / "a.xlsx0"));

  // Cancelled: nothing changes, the results of the run included.
  selection.reset();
  view->SelectFiles();
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(Root() / "b.xlsx1"));

  Select({L"C:\\in\\new.xlsx"});
  EXPECT_EQ(Rows(), (std::vector<Row>{{L"C:\\in\\new.xlsx", 2, 0}}));
  EXPECT_FALSE(std::filesystem::exists(Root()));
}

TEST_F(ViewSources, OneSelectionListsAtMostAHundredFiles) {
  std::vector<std::wstring> many;
  for (int i = 0; i < 103; ++i) many.push_back(L"C:\\in\\book" + std::to_wstring(i) + L".xlsx");
  Select(many);
  EXPECT_EQ(Rows().size(), 100u);
  EXPECT_EQ(Rows().back().path, L"C:\\in\\book99.xlsx");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].flags, 0x40u);
}

TEST_F(ViewSources, DropsAddNamesHoldingDotXlsxInExactCase) {
  const std::wstring longName = L"C:\\" + std::wstring(600, L'd') + L"\\long.xlsx";
  struct Case {
    std::vector<std::wstring> dropped;
    std::vector<std::wstring> added;
  };
  const Case cases[] = {
      {{L"C:\\in\\one.xlsx", L"C:\\in\\two.xlsx", L"C:\\in\\three.xlsx"},
       {L"C:\\in\\one.xlsx", L"C:\\in\\two.xlsx", L"C:\\in\\three.xlsx"}},
      {{L"C:\\in\\BOOK.XLSX", L"C:\\in\\notes.txt"}, {}},
      {{L"C:\\in\\report.xlsx.bak"}, {L"C:\\in\\report.xlsx.bak"}},
      {{L"C:\\in\\one.xlsx"}, {L"C:\\in\\one.xlsx"}},  // already listed: listed again
      {{L"  C:\\in\\padded.xlsx\t"}, {L"C:\\in\\padded.xlsx"}},
      {{longName}, {longName}},  // longer than 520 units, kept whole
  };
  std::vector<std::wstring> listed;
  for (const Case& c : cases) {
    view->Send(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.dropped)));
    listed.insert(listed.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(Paths(Rows()), listed);
  }
  for (const Row& row : Rows()) {
    EXPECT_EQ(row.icon, 2) << row;
    EXPECT_EQ(row.mark, 0) << row;
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 0);
  EXPECT_EQ(LogText(), L"Click Select files to select .xlsx file(s) to repair....");
  EXPECT_FALSE(view->CanRepair());
}

TEST_F(ViewSources, RemoveWithoutASelectedRowOnlySaysSo) {
  Select({L"C:\\in\\a.xlsx"});
  ClickButton(ID_VANTOR_BTN_REMOVE_FILES);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, L"No file(s) selected to remove.");
  EXPECT_EQ(Messages()[0].flags, 0x40u);
  EXPECT_EQ(Rows().size(), 1u);
}

// Two files of the same name after a third: removing the first row moves both up, and each must
// still find its own package, not its neighbour's.
TEST_F(ViewSources, RemovingAMiddleRowKeepsEveryOtherRowWithItsOwnPackage) {
  const std::string red = PictureBytes(scratch, L"image/png", RGB(255, 0, 0), "red.png");
  const std::string blue = PictureBytes(scratch, L"image/png", RGB(0, 0, 255), "blue.png");
  const std::wstring other = scratch.Write("in/other.xlsx", DamagedWorkbook()).wstring();
  const std::wstring first =
      scratch
          .Write("in/a/Book.xlsx",
                 DamagedWorkbook({{"Thumbnails/thumbnail.png", red}, {"customXml/first.xml", "<a/>"}}))
          .wstring();
  const std::wstring second =
      scratch
          .Write("in/b/Book.xlsx",
                 DamagedWorkbook({{"Thumbnails/thumbnail.png", blue}, {"customXml/second.xml", "<b/>"}}))
          .wstring();
  const std::wstring last = scratch.Write("in/last.xlsx", DamagedWorkbook()).wstring();
  Select({other, first, second, last});
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());

  view->SourceList().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  ClickButton(ID_VANTOR_BTN_REMOVE_FILES);
  EXPECT_EQ(Paths(Rows()), (std::vector<std::wstring>{first, second, last}));
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 3);
  EXPECT_FALSE(std::filesystem::exists(Root() / "other.xlsx0"));
  EXPECT_TRUE(std::filesystem::exists(Root() / "last.xlsx2"));

  auto middleOfPreview = [&](int row) {
    view->Send(WM_SHOWPREVIEW, static_cast<WPARAM>(row), 0);
    const Pixels pane(view->PreviewBox().hwnd(), RGB(0, 255, 0));
    return pane.at(pane.width() / 2, pane.height() / 2);
  };
  EXPECT_EQ(middleOfPreview(0), RGB(255, 0, 0)) << "a\\Book.xlsx shows its own thumbnail";
  EXPECT_EQ(middleOfPreview(1), RGB(0, 0, 255)) << "b\\Book.xlsx shows its own thumbnail";

  // A save after the removal packs each file from its own folder.
  std::filesystem::create_directories(scratch.path() / "out");
  folder = (scratch.path() / "out").wstring();
  view->BrowseFolder();
  view->ExtractMediaBox().SetChecked(false);
  view->SourceList().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  ClickButton(ID_VANTOR_BTN_REMOVE_FILES);  // a\Book.xlsx goes too: b\Book.xlsx is saved alone
  ClickButton(ID_VANTOR_BTN_SAVE_FILES);
  ASSERT_TRUE(WaitIdle());
  const std::string saved = ReadAll(scratch.path() / "out" / "TDRREP_Book.xlsx");
  // Entry names stand in the archive as they are.
  EXPECT_NE(saved.find("customXml/second.xml"), std::string::npos) << "the saved package is b's";
  EXPECT_EQ(saved.find("customXml/first.xml"), std::string::npos);
}

TEST_F(ViewSources, RemovingTheLastRowReturnsToTheStartUpLook) {
  Select({scratch.Write("in/a.xlsx", DamagedWorkbook()).wstring()});
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  folder = scratch.path().wstring();
  view->BrowseFolder();
  ASSERT_NE(view->DestinationText(), "");

  view->SourceList().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  ClickButton(ID_VANTOR_BTN_REMOVE_FILES);
  EXPECT_TRUE(Rows().empty());
  EXPECT_FALSE(std::filesystem::exists(Root()));
  EXPECT_EQ(view->DestinationText(), "");
  EXPECT_FALSE(view->CanSave());
  EXPECT_FALSE(view->CanRepair());
  EXPECT_TRUE(view->CanSelect());
  for (UINT id : {ID_VANTOR_BTN_BROWSE, ID_VANTOR_BTN_SAVE_FILES, ID_VANTOR_BTN_RECOVER_FILES,
                  ID_VANTOR_BTN_REMOVE_FILES}) {
    EXPECT_FALSE(view->Button(id)->IsEnabled()) << id;
  }
  EXPECT_FALSE(view->DestinationBox().IsEnabled());
  EXPECT_FALSE(view->ExtractMediaBox().IsEnabled());
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 0);
  EXPECT_EQ(LogText(), L"Click Select files to select .xlsx file(s) to repair....");
  EXPECT_EQ(PlainText(view->InstructionPane()),
            L"Click Select files to select .xlsx file(s) to repair.\r"
            L"Click Repair files to see the preview of the .xlsx file(s).");
  const std::vector<std::pair<int, int>> bold = {{6, 18}, {29, 34}, {59, 72}, {83, 91}, {99, 103}};
  EXPECT_EQ(BoldRanges(view->InstructionPane()), bold);
}

TEST(OpenDialogResult, SplitsIntoFullPaths) {
  struct Case {
    std::wstring buffer;
    std::vector<std::wstring> paths;
  };
  const Case cases[] = {
      {std::wstring(L"C:\\in\\one.xlsx\0\0", 16), {L"C:\\in\\one.xlsx"}},
      {std::wstring(L"C:\\in\0a.xlsx\0b.xlsx\0\0", 22), {L"C:\\in\\a.xlsx", L"C:\\in\\b.xlsx"}},
      {std::wstring(L"C:\\\0a.xlsx\0b.xlsx\0\0", 19), {L"C:\\a.xlsx", L"C:\\b.xlsx"}},
      {std::wstring(L"\0\0", 2), {}},
      // No terminator inside the buffer: the cut name is not taken.
      {std::wstring(L"C:\\in\0a.xlsx\0b.xl", 17), {L"C:\\in\\a.xlsx"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::SplitSelection(c.buffer.data(), c.buffer.size()), c.paths);
  }
}

}  // namespace
}  // namespace xr::test
