// The page of controls.
#include "controls_page.h"

#include <commctrl.h>

#include "framework/frame.h"
#include "framework/gdi.h"
#include "gallery_art.h"
#include "resource.h"

namespace gallery {
namespace {

constexpr std::int64_t kTenOhFive = 1'796'983'205;  // a fixed moment; only differences matter

// Writes bitmap resource `id` as a .bmp file: the resource is the bitmap without its file header.
bool WriteBitmapFile(UINT id, const std::wstring& path) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_BITMAP);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  const DWORD size = found ? SizeofResource(nullptr, found) : 0;
  if (!bytes || size < sizeof(BITMAPINFOHEADER)) return false;
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
  DWORD colours = info->biClrUsed;
  if (colours == 0 && info->biBitCount <= 8) colours = 1u << info->biBitCount;
  DWORD offset = info->biSize + colours * 4;
  if (info->biCompression == BI_BITFIELDS && info->biSize == sizeof(BITMAPINFOHEADER)) offset += 12;
  if (offset > size) return false;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfSize = sizeof header + size;
  header.bfOffBits = sizeof header + offset;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, &header, sizeof header, &written, nullptr) && written == sizeof header;
  ok = ok && WriteFile(file, bytes, size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok;
}

RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

ControlsPage::ControlsPage()
    : heldClock_(kTenOhFive),
      fileBar_([this] { return heldClock_; }),
      totalBar_([this] { return heldClock_; }) {}

ControlsPage::~ControlsPage() {
  // The picture box lets go of its file before the file is removed.
  pictureBox_.SetPicture(L"", CPictureBox::kNoNotice);
  if (!previewFile_.empty()) DeleteFileW(previewFile_.c_str());
}

bool ControlsPage::Populate() {
  const HWND self = hwnd();

  // Source file list with its status icons and background picture.
  if (!list_.Create(self, LVS_REPORT | WS_VISIBLE | WS_BORDER, At(10, 30, 620, 190),
                    ID_VANTOR_LIST_CTRL)) {
    return false;
  }
  list_.InsertColumn(0, L"File Name", 900);
  list_.AddExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
  listIcons_ = ImageList_Create(LIST_ICON_SIZE, LIST_ICON_SIZE, ILC_COLOR24 | ILC_MASK, 3, 0);
  if (HBITMAP icons = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_LIST_ICONS))) {
    ImageList_AddMasked(listIcons_, icons, RGB(255, 0, 255));
    DeleteObject(icons);
  }
  list_.SetSmallImageList(listIcons_);
  const struct {
    const wchar_t* path;
    int icon;
  } rows[] = {
      {L"C:\\Users\\demo\\Documents\\Quarterly report.xlsx", 1},
      {L"C:\\Users\\demo\\Desktop\\Budget 2026.xlsx", 0},
      {L"D:\\Shared\\Inventory.xlsx", 2},
      {L"D:\\Shared\\Sales by region and month, all offices.xlsx", 2},
  };
  for (const auto& row : rows) list_.InsertItem(list_.ItemCount(), row.path, row.icon);
  list_.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  auto* original = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(IDB_LIST_BACKGROUND),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (original) {
    const RECT inside = list_.ClientRect();
    listBackground_ =
        static_cast<HBITMAP>(CopyImage(original, IMAGE_BITMAP, inside.right, inside.bottom,
                                       LR_CREATEDIBSECTION | LR_COPYDELETEORG));
    if (listBackground_) list_.SetBackgroundImage(listBackground_, true);
  }

  // Preview boxes: a notice, a picture, and nothing.
  noticeBox_.Create(self, L"", WS_VISIBLE, At(650, 30, 200, 150), IDC_VANTOR_STATIC_PICTURE_CTRL);
  pictureBox_.Create(self, L"", WS_VISIBLE, At(870, 30, 200, 150), IDC_VANTOR_STATIC_PICTURE_CTRL);
  emptyBox_.Create(self, L"", WS_VISIBLE, At(1090, 30, 170, 150), IDC_VANTOR_STATIC_PICTURE_CTRL);
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  previewFile_ = std::wstring(temp) + L"xr-gallery-preview.bmp";
  WriteBitmapFile(IDB_SPLASH, previewFile_);
  pictureBox_.SetPicture(previewFile_, CPictureBox::kNoNotice);
  emptyBox_.SetPicture(L"", 4);

  // Buttons in the look, with pictures and tooltips.
  const struct {
    const wchar_t* caption;
    const wchar_t* tip;
    UINT png;
    int x, width;
    bool enabled;
  } buttons[] = {
      {L"Select files", L"Select file(s)", IDB_PNG_SELECT_FILES, 10, 100, true},
      {L"Remove files", L"Remove file(s)", IDB_PNG_REMOVE_FILES, 115, 100, true},
      {L"Repair files", L"Repair file(s)", IDB_PNG_REPAIR_FILES, 220, 100, true},
      {L"Save...", L"Save file(s)", IDB_PNG_SAVE, 325, 70, true},
      {L"Stop", L"Stop", IDB_PNG_STOP, 400, 60, true},
      {L"Exit", L"Exit", IDB_PNG_EXIT, 465, 55, true},
      {L"...", L"Browse folder", IDB_PNG_BROWSE, 525, 50, true},
      {L"Repair files", L"Repair file(s)", IDB_PNG_REPAIR_FILES, 590, 100, false},
  };
  UINT id = 100;
  for (const auto& b : buttons) {
    auto button = std::make_unique<wnd::ImageButton>();
    if (!button->Create(self, b.caption, At(b.x, 255, b.width, 28), id++)) continue;
    button->SetImage(b.png);
    button->SetTooltip(b.tip);
    button->Enable(b.enabled);
    buttons_.push_back(std::move(button));
  }

  // Destination row: label, prompting boxes, check box.
  destinationLabel_.Create(self, L"Please select location to save repaired file(s):", WS_VISIBLE,
                           At(10, 322, 290, 26), IDC_VANTOR_STATIC);
  destinationLabel_.SetFont(LabelFont());
  promptBox_.SetPromptText(L"<Enter valid path to save repaired xlsx file(s).>");
  promptBox_.SetPromptColour(RGB(158, 158, 158));
  promptBox_.Create(self, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                    At(305, 324, 480, 22), ID_VANTOR_BROWSE_EDIT_CTRL);
  promptBox_.SetFont(FieldFont());
  typedBox_.SetPromptText(L"<Enter valid path to save repaired xlsx file(s).>");
  typedBox_.Create(self, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                   At(305, 352, 480, 22), ID_VANTOR_BROWSE_EDIT_CTRL);
  typedBox_.SetFont(FieldFont());
  typedBox_.SetEditText(L"C:\\Users\\demo\\Repaired");
  extractMedia_.Create(self, L"Extract Media..", WS_VISIBLE | WS_TABSTOP, At(800, 322, 135, 26),
                       ID_CHECK_BTN_EXTRACT_FILE_CONTENT);
  extractMedia_.SetFont(FieldFont());
  extractMedia_.SetChecked(true);

  // A transparent label over the page's own picture (painted in Paint).
  overLabel_.Create(self, L"", WS_VISIBLE, At(980, 262, 270, 40), 1003);
  overLabel_.SetFont(LabelFont());
  overLabel_.SetText(L"A transparent label\nover the page's picture");

  // Progress with a held clock: first painted at 10:00:05, shown again 45 seconds later.
  fileLabel_.Create(self, L"File progress:", WS_VISIBLE, At(10, 412, 150, 18), IDC_VANTOR_STATIC);
  fileLabel_.SetFont(FieldFont());
  totalLabel_.Create(self, L"Total files progress:", WS_VISIBLE, At(10, 435, 150, 18),
                     IDC_VANTOR_STATIC);
  totalLabel_.SetFont(FieldFont());
  fileBar_.Create(self, WS_VISIBLE | PBS_SMOOTH, At(165, 412, 600, 16), ID_FIRST_PROGRESS_CTRL);
  totalBar_.Create(self, WS_VISIBLE | PBS_SMOOTH, At(165, 435, 600, 16), ID_SECOND_PROGRESS_CTRL);
  fileBar_.ResetEstimate();
  fileBar_.SetRange(0, 4);
  fileBar_.SetPosition(1);
  totalBar_.ResetEstimate();
  totalBar_.SetRange(0, 10);
  totalBar_.SetPosition(7);
  {
    // The first paint, off screen, takes the start time of both runs.
    wnd::ClientDc screen(nullptr);
    wnd::MemoryDc scratch(screen.get(), 600, 16);
    fileBar_.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch.get()), PRF_CLIENT);
    totalBar_.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch.get()), PRF_CLIENT);
  }
  heldClock_ += 45;

  // Activity log in its three colours.
  log_.Create(self,
              WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_AUTOHSCROLL | ES_READONLY,
              At(10, 490, 760, 150), ID_VANTOR_EDIT_CTRL);
  CHARFORMAT2W bold{};
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  log_.SetDefaultFormat(bold);
  const struct {
    const wchar_t* text;
    COLORREF colour;
  } lines[] = {
      {L"C:\\Users\\demo\\Documents\\Quarterly report.xlsx: a line in black\r\n", RGB(0, 0, 0)},
      {L"C:\\Users\\demo\\Documents\\Quarterly report.xlsx: a line in green for success\r\n",
       RGB(0, 153, 0)},
      {L"C:\\Users\\demo\\Desktop\\Budget 2026.xlsx: a line in red for failure\r\n",
       RGB(255, 0, 0)},
      {L"*************************************************************************************\r\n",
       RGB(0, 0, 0)},
      {L"________________________________________________________________\r\n\r\n", RGB(0, 0, 0)},
  };
  for (const auto& line : lines) {
    const int end = log_.TextLength();
    log_.SetSelection(end, -1);
    CHARFORMAT2W colour{};
    colour.dwMask = CFM_COLOR;
    colour.crTextColor = line.colour;
    log_.SetSelectionFormat(colour);
    log_.ReplaceSelection(line.text);
  }

  // The plain wrappers.
  plainLabel_.Create(self, L"Static text", WS_VISIBLE, At(800, 412, 200, 18), 0);
  plainEdit_.Create(self, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, At(800, 435, 200, 22), 0);
  plainEdit_.SetText(L"Plain edit control");
  plainCheck_.Create(self, L"Plain check box", WS_VISIBLE, At(800, 465, 200, 22), 0);
  for (HWND control : {plainLabel_.hwnd(), plainEdit_.hwnd(), plainCheck_.hwnd()}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  }
  return true;
}

void ControlsPage::Paint(HDC dc, const RECT&) {
  Caption(dc, 10, 10, L"CVantorListCtrl: source list, status icons, background picture");
  Caption(dc, 650, 10, L"CPictureBox: notice 0");
  Caption(dc, 870, 10, L"CPictureBox: picture");
  Caption(dc, 1090, 10, L"CPictureBox: notice 4");
  Caption(dc, 10, 235, L"Picture buttons in the current look (the last one disabled)");
  Caption(dc, 10, 302, L"CXEditPrompt: prompt shown, and a typed path");
  Caption(dc, 960, 235, L"CVantorTransparentStatic");
  const RECT picture{960, 255, 1260, 317};
  const SIZE strip = BitmapSize(IDB_FOOTER_STRIP);
  if (strip.cx > 0) {
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FOOTER_STRIP));
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, picture.left, picture.top, wnd::Width(picture), wnd::Height(picture), source, 0,
               0, strip.cx, strip.cy, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
  }
  Caption(dc, 10, 392, L"CEstProgressCtrl: a held clock, 45 seconds after the first progress");
  Caption(dc, 10, 470, L"Rich edit: the activity log's colours");
  Caption(dc, 800, 392, L"Plain wrappers");
}

LRESULT ControlsPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SHOWPREVIEW) {
    if (wnd::Frame* frame = wnd::MainFrame()) {
      frame->SetStatusText(L"Preview asked for row " + std::to_wstring(wParam));
    }
    return 0;
  }
  return Page::WindowProc(message, wParam, lParam);
}

}  // namespace gallery
