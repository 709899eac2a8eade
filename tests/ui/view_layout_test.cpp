// The workspace window as created: its controls and their start-up states, the placement table
// at two client sizes with each state of the progress area, the painted surface, and the
// status-bar hover text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "view_fixture.h"

namespace xr::test {
namespace {

using ViewLayout = ViewTestBase<>;

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom) + "}";
}

LOGFONTW FontOf(const wnd::Window& control) {
  LOGFONTW font{};
  GetObjectW(control.Font(), sizeof font, &font);
  return font;
}

TEST_F(ViewLayout, StartsWithEveryControlInItsStartUpState) {
  struct Expected {
    const char* name;
    wnd::Window* control;
    const wchar_t* text;
    bool enabled, visible;
  };
  const Expected controls[] = {
      {"Select files", view->Button(ID_VANTOR_BTN_SELECT_FILES), L"Select files", true, true},
      {"Remove files", view->Button(ID_VANTOR_BTN_REMOVE_FILES), L"Remove files", false, true},
      {"Repair files", view->Button(ID_VANTOR_BTN_RECOVER_FILES), L"Repair files", false, true},
      {"Save", view->Button(ID_VANTOR_BTN_SAVE_FILES), L"Save...", false, true},
      {"Stop", view->Button(ID_VANTOR_BTN_STOP), L"Stop", true, false},
      {"Exit", view->Button(ID_VANTOR_BTN_EXIT), L"Exit", true, true},
      {"browse", view->Button(ID_VANTOR_BTN_BROWSE), L"...", false, true},
      {"destination box", &view->DestinationBox(), L"", false, true},
      {"Extract Media", &view->ExtractMediaBox(), L"Extract Media..", false, true},
      {"file progress label", &view->FileProgressLabel(), L"File progress:", true, false},
      {"total progress label", &view->TotalProgressLabel(), L"Total files progress:", true, false},
      {"file bar", &view->FileProgressBar(), L"", true, false},
      {"total bar", &view->TotalProgressBar(), L"", true, false},
  };
  for (const Expected& e : controls) {
    ASSERT_NE(e.control, nullptr) << e.name;
    ASSERT_NE(e.control->hwnd(), nullptr) << e.name;
    EXPECT_EQ(e.control->Text(), e.text) << e.name;
    EXPECT_EQ(e.control->IsEnabled(), e.enabled) << e.name;
    EXPECT_EQ((GetWindowLongW(e.control->hwnd(), GWL_STYLE) & WS_VISIBLE) != 0, e.visible) << e.name;
  }
  const std::map<UINT, std::wstring> tips = {
      {ID_VANTOR_BTN_SELECT_FILES, L"Select file(s)"}, {ID_VANTOR_BTN_REMOVE_FILES, L"Remove file(s)"},
      {ID_VANTOR_BTN_RECOVER_FILES, L"Repair file(s)"}, {ID_VANTOR_BTN_SAVE_FILES, L"Save file(s)"},
      {ID_VANTOR_BTN_STOP, L"Stop"}, {ID_VANTOR_BTN_EXIT, L"Exit"}, {ID_VANTOR_BTN_BROWSE, L"Browse folder"}};
  for (const auto& [id, tip] : tips) {
    EXPECT_EQ(view->Button(id)->Tooltip(), tip) << id;
    EXPECT_TRUE(view->Button(id)->HasImage()) << id;
    EXPECT_EQ(view->Button(id)->Id(), id);
  }

  EXPECT_TRUE(view->CanSelect());
  EXPECT_FALSE(view->CanRepair());
  EXPECT_FALSE(view->CanSave());
  EXPECT_TRUE(view->ExtractMediaBox().IsChecked());
  EXPECT_TRUE(view->DestinationBox().IsPromptMode());
  EXPECT_EQ(view->DestinationBox().PromptText(), L"<Enter valid path to save repaired xlsx file(s).>");
  EXPECT_EQ(view->DestinationBox().PromptColour(), RGB(158, 158, 158));
  EXPECT_EQ(view->DestinationText(), "");
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 0);
  EXPECT_FALSE(view->PreviewBox().HoldsPicture());

  CVantorListCtrl& list = view->SourceList();
  EXPECT_EQ(list.Id(), static_cast<UINT>(ID_VANTOR_LIST_CTRL));
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_EQ(list.ExtendedStyle() & 0x421u, 0x421u);
  wchar_t heading[32] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = heading;
  column.cchTextMax = 32;
  ASSERT_TRUE(list.Send(LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)));
  EXPECT_STREQ(heading, L"File Name");
  EXPECT_EQ(column.cx, 900);
  const auto images = reinterpret_cast<HIMAGELIST>(list.Send(LVM_GETIMAGELIST, LVSIL_SMALL));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images), 3);

  EXPECT_EQ(LogText(), L"Click Select files to select .xlsx file(s) to repair....");
  for (const LogLine& line : LogLines()) EXPECT_EQ(line.colour, kLogBlack);
  EXPECT_TRUE(FormatAt(view->ActivityLog(), 0).dwEffects & CFE_BOLD) << "the log is bold by default";
  EXPECT_EQ(PlainText(view->InstructionPane()),
            L"Click Select files to select .xlsx file(s) to repair.\r"
            L"Click Repair files to see the preview of the .xlsx file(s).");
  const std::vector<std::pair<int, int>> startBold = {{6, 18}, {29, 34}, {59, 72}, {84, 92}, {99, 104}};
  EXPECT_EQ(BoldRanges(view->InstructionPane()), startBold);
  EXPECT_TRUE(GetWindowLongW(view->InstructionPane().hwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);

  const LOGFONTW label = FontOf(view->FileProgressLabel());
  EXPECT_STREQ(label.lfFaceName, L"Times New Roman");
  EXPECT_EQ(label.lfHeight, 18);
  const LOGFONTW check = FontOf(view->ExtractMediaBox());
  EXPECT_STREQ(check.lfFaceName, L"Times New Roman");
  const HWND previewLabel = FindWindowExW(view->hwnd(), nullptr, L"Static", L"File preview:");
  ASSERT_NE(previewLabel, nullptr);
  LOGFONTW bold{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(previewLabel, WM_GETFONT, 0, 0)), sizeof bold, &bold);
  EXPECT_STREQ(bold.lfFaceName, L"Arial");
  EXPECT_EQ(bold.lfWeight, 700);
  EXPECT_EQ(bold.lfHeight, 16);
}

// The placement table, at two client sizes, with the progress area hidden, both rows shown, and
// the total row alone (the file row then keeps the place it had).
TEST_F(ViewLayout, PlacesEveryControlByTheTable) {
  struct Size {
    int width, height;
    std::map<std::string, RECT> fixed;
    RECT logNone, logBoth, fileLabel, fileBar, totalLabelBoth, totalBarBoth;
    RECT logTotal, totalLabelAlone, totalBarAlone;
    SIZE background;
  };
  const Size sizes[] = {
      {1000, 700,
       {{"select", {10, 80, 110, 108}}, {"remove", {115, 80, 215, 108}}, {"repair", {220, 80, 320, 108}},
        {"preview label", {790, 95, 880, 111}}, {"list", {10, 113, 780, 375}},
        {"preview", {790, 113, 990, 375}}, {"destination label", {10, 380, 300, 406}},
        {"destination", {305, 382, 720, 404}}, {"browse", {725, 380, 775, 406}},
        {"save", {780, 380, 850, 406}}, {"extract media", {855, 380, 990, 406}},
        {"stop", {870, 660, 930, 690}}, {"exit", {935, 660, 990, 690}},
        {"instructions", {75, 650, 385, 695}}},
       {10, 411, 990, 630}, {10, 411, 990, 595}, {10, 600, 160, 618}, {165, 600, 990, 613},
       {10, 623, 160, 641}, {165, 623, 990, 636},
       {10, 411, 990, 610}, {10, 615, 160, 633}, {165, 615, 990, 628},
       {770, 277}},
      {700, 460,
       {{"select", {10, 80, 110, 108}}, {"remove", {115, 80, 215, 108}}, {"repair", {220, 80, 320, 108}},
        {"preview label", {490, 95, 580, 111}}, {"list", {10, 113, 480, 255}},
        {"preview", {490, 113, 690, 255}}, {"destination label", {10, 260, 300, 286}},
        {"destination", {305, 262, 420, 284}}, {"browse", {425, 260, 475, 286}},
        {"save", {480, 260, 550, 286}}, {"extract media", {555, 260, 690, 286}},
        {"stop", {570, 420, 630, 450}}, {"exit", {635, 420, 690, 450}},
        {"instructions", {75, 410, 385, 455}}},
       {10, 291, 690, 390}, {10, 291, 690, 355}, {10, 360, 160, 378}, {165, 360, 690, 373},
       {10, 383, 160, 401}, {165, 383, 690, 396},
       {10, 291, 690, 370}, {10, 375, 160, 393}, {165, 375, 690, 388},
       {470, 157}},
  };
  const HWND previewLabel = FindWindowExW(view->hwnd(), nullptr, L"Static", L"File preview:");
  const HWND destinationLabel = FindWindowExW(
      view->hwnd(), nullptr, L"Static", L"Please select location to save repaired file(s):");
  auto placed = [&](const std::string& name) -> RECT {
    const std::map<std::string, HWND> windows = {
        {"select", view->Button(ID_VANTOR_BTN_SELECT_FILES)->hwnd()},
        {"remove", view->Button(ID_VANTOR_BTN_REMOVE_FILES)->hwnd()},
        {"repair", view->Button(ID_VANTOR_BTN_RECOVER_FILES)->hwnd()},
        {"preview label", previewLabel},
        {"list", view->SourceList().hwnd()},
        {"preview", view->PreviewBox().hwnd()},
        {"destination label", destinationLabel},
        {"destination", view->DestinationBox().hwnd()},
        {"browse", view->Button(ID_VANTOR_BTN_BROWSE)->hwnd()},
        {"save", view->Button(ID_VANTOR_BTN_SAVE_FILES)->hwnd()},
        {"extract media", view->ExtractMediaBox().hwnd()},
        {"stop", view->Button(ID_VANTOR_BTN_STOP)->hwnd()},
        {"exit", view->Button(ID_VANTOR_BTN_EXIT)->hwnd()},
        {"instructions", view->InstructionPane().hwnd()},
        {"log", view->ActivityLog().hwnd()},
        {"file label", view->FileProgressLabel().hwnd()},
        {"file bar", view->FileProgressBar().hwnd()},
        {"total label", view->TotalProgressLabel().hwnd()},
        {"total bar", view->TotalProgressBar().hwnd()},
    };
    RECT rect{};
    const HWND window = windows.at(name);
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, view->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  auto expectAt = [&](const std::string& name, const RECT& expected, const std::string& when) {
    const RECT actual = placed(name);
    EXPECT_TRUE(actual == expected) << name << " " << when << ": " << Show(actual) << ", expected "
                                    << Show(expected);
  };

  for (const Size& size : sizes) {
    const std::string at = std::to_string(size.width) + "x" + std::to_string(size.height);
    view->ShowProgressArea(false);
    view->Move(0, 0, size.width, size.height);
    for (const auto& [name, rect] : size.fixed) expectAt(name, rect, at);
    expectAt("log", size.logNone, at + " without progress");

    const SIZE background = PlaceWorkspace(size.width, size.height, ProgressRows::None).listBackground;
    EXPECT_EQ(background.cx, size.background.cx) << at;
    EXPECT_EQ(background.cy, size.background.cy) << at;

    view->ShowProgressArea(true);
    EXPECT_TRUE(view->FileProgressLabel().IsVisible());
    expectAt("log", size.logBoth, at + " with both rows");
    expectAt("file label", size.fileLabel, at + " with both rows");
    expectAt("file bar", size.fileBar, at + " with both rows");
    expectAt("total label", size.totalLabelBoth, at + " with both rows");
    expectAt("total bar", size.totalBarBoth, at + " with both rows");

    view->ShowTotalProgressOnly();
    EXPECT_FALSE(view->FileProgressLabel().IsVisible());
    EXPECT_FALSE(view->FileProgressBar().IsVisible());
    EXPECT_TRUE(view->TotalProgressBar().IsVisible());
    expectAt("log", size.logTotal, at + " with the total row");
    expectAt("total label", size.totalLabelAlone, at + " with the total row");
    expectAt("total bar", size.totalBarAlone, at + " with the total row");
    expectAt("file label", size.fileLabel, at + " with the total row (last place)");
    expectAt("file bar", size.fileBar, at + " with the total row (last place)");

    view->ShowProgressArea(false);
    EXPECT_FALSE(view->TotalProgressLabel().IsVisible());
    expectAt("log", size.logNone, at + " after hiding the progress area");
  }
}

TEST_F(ViewLayout, PaintsHeaderBackgroundAndFooter) {
  view->Move(0, 0, 1000, 700);
  const Pixels surface(view->hwnd(), RGB(1, 2, 3));
  // Between the header and the footer, wherever no control lies: the background colour.
  EXPECT_EQ(surface.at(500, 76), RGB(253, 225, 185));
  EXPECT_EQ(surface.at(995, 635), RGB(253, 225, 185));
  // The header banner and its stretched right part, the footer strip and its left picture: art,
  // nothing of the ground shows through.
  for (const POINT p : {POINT{5, 5}, POINT{960, 40}, POINT{600, 698}, POINT{30, 680}}) {
    EXPECT_NE(surface.at(p.x, p.y), RGB(1, 2, 3)) << p.x << "," << p.y;
    EXPECT_NE(surface.at(p.x, p.y), RGB(253, 225, 185)) << p.x << "," << p.y;
  }
  // The instruction pane takes the footer's colour where it lies on it.
  const Pixels pane(view->InstructionPane().hwnd(), RGB(1, 2, 3));
  EXPECT_EQ(pane.at(300, 40), surface.at(400, 672));
}

TEST_F(ViewLayout, LabelsAndCheckBoxAskForTheBackgroundColour) {
  const HWND label = FindWindowExW(view->hwnd(), nullptr, L"Static", L"File preview:");
  HDC dc = GetDC(label);
  const auto brush = reinterpret_cast<HBRUSH>(
      view->Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
  LOGBRUSH colour{};
  ASSERT_TRUE(GetObjectW(brush, sizeof colour, &colour));
  EXPECT_EQ(colour.lbColor, RGB(253, 225, 185));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(label, dc);
}

TEST_F(ViewLayout, HoverWritesTheTextOfTheWindowUnderThePointer) {
  struct Case {
    HWND window;
    std::wstring status;
  };
  const std::wstring longText(300, L'x');
  view->Button(ID_VANTOR_BTN_EXIT)->SetText(longText);
  const Case cases[] = {
      {view->Button(ID_VANTOR_BTN_SELECT_FILES)->hwnd(), L"Select files"},
      {view->hwnd(), L""},
      {view->Button(ID_VANTOR_BTN_EXIT)->hwnd(), std::wstring(259, L'x')},
      {view->DestinationBox().hwnd(), L""},  // a box showing its prompt has no text
  };
  for (const Case& c : cases) {
    frame.SetStatusText(L"before");
    MSG move{c.window, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)};
    EXPECT_FALSE(view->PreTranslateMessage(move));
    EXPECT_EQ(frame.statusBar().PaneText(0), c.status);
  }
  // Outside the view the pane is left alone.
  frame.SetStatusText(L"before");
  MSG elsewhere{frame.statusBar().hwnd(), WM_MOUSEMOVE, 0, 0};
  view->PreTranslateMessage(elsewhere);
  EXPECT_EQ(frame.statusBar().PaneText(0), L"before");
}

TEST(ViewStartUp, RemovesAWorkspaceLeftByAnEarlierProcess) {
  StartGui();
  ScratchFolder scratch;
  TempFolderOverride temp(scratch.path());
  scratch.Write("XlsxTemp/Book.xlsx0/xl/workbook.xml", "<workbook/>");
  scratch.Write("XlsxTemp/Book.xlsx0/[Content_Types].xml", "<Types/>");
  std::atomic<int> runFlag{0};
  wnd::Frame frame;
  ASSERT_TRUE(frame.CreateFrame(L"left-over", IDR_MAINFRAME));
  CVantorMSOfficeXlsxProjView view(runFlag);
  ASSERT_TRUE(view.Create(frame, nullptr));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "XlsxTemp"));
  EXPECT_EQ(view.PreviewBox().NoticeIndex(), 6) << "a removed workspace leaves the pane blank";
  frame.Destroy();
}

}  // namespace
}  // namespace xr::test
