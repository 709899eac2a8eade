// The workspace window: creation of its controls, the painting of its own surface, the layout on
// every resize, the label colours and the status-bar hover text.
#include "ui/vantor_view.h"

#include <system_error>

#include "framework/frame.h"
#include "framework/resource_text.h"
#include "platform/folder.h"
#include "resource.h"

namespace {

constexpr COLORREF kBackground = RGB(253, 225, 185);
constexpr COLORREF kPromptColour = RGB(158, 158, 158);
constexpr COLORREF kListIconMask = RGB(255, 0, 255);

constexpr const wchar_t* kStartLogText = L"Click Select files to select .xlsx file(s) to repair....";
constexpr const wchar_t* kStartInstructions =
    L"Click Select files to select .xlsx file(s) to repair.\n"
    L"Click Repair files to see the preview of the .xlsx file(s).";
const std::vector<xr::engine::BoldRange> kStartBold = {{6, 18}, {29, 34}, {59, 72}, {84, 92}, {99, 104}};

HFONT MakeFont(int height, int weight, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0x20,
                     face);
}

HBITMAP LoadArt(UINT id) {
  return static_cast<HBITMAP>(LoadImageW(wnd::ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                         0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

// A missing bitmap leaves its part of the surface out.
void DrawArt(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap || width <= 0 || height <= 0) return;
  const SIZE size = BitmapSize(bitmap);
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  {
    wnd::SelectScope select(source, bitmap);
    if (size.cx == width && size.cy == height) {
      BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    } else {
      const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, x, y, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
      SetStretchBltMode(dc, oldMode);
    }
  }
  DeleteDC(source);
}

// The colour of the footer art halfway down the instruction pane, which lies on it: the pane
// cannot let the footer show through, so it takes the footer's colour there as its own.
COLORREF FooterColour(HBITMAP footer) {
  constexpr int kPaneMiddle = 10 + 45 / 2;  // the pane starts 10 pixels below the footer's top
  if (!footer || BitmapSize(footer).cy <= kPaneMiddle) return kBackground;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return kBackground;
  COLORREF colour = kBackground;
  {
    wnd::SelectScope select(dc, footer);
    colour = GetPixel(dc, 0, kPaneMiddle);
  }
  DeleteDC(dc);
  return colour == CLR_INVALID ? kBackground : colour;
}

RECT ToRect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

void Place(wnd::Window& control, const RECT& rect) {
  if (control.hwnd()) control.Move(rect.left, rect.top, wnd::Width(rect), wnd::Height(rect), true);
}

}  // namespace

CVantorMSOfficeXlsxProjView::CVantorMSOfficeXlsxProjView(std::atomic<int>& runFlag)
    : runFlag_(runFlag),
      workspace_(xr::engine::RepairWorkspace::Default()),
      background_(CreateSolidBrush(kBackground)),
      labelFont_(MakeFont(16, FW_BOLD, L"Arial")),
      fieldFont_(MakeFont(18, FW_NORMAL, L"Times New Roman")),
      headerBanner_(LoadArt(IDB_HEADER_BANNER)),
      headerStretch_(LoadArt(IDB_HEADER_STRETCH)),
      footerStrip_(LoadArt(IDB_FOOTER_STRIP)),
      footerLeft_(LoadArt(IDB_FOOTER_LEFT)),
      listBackground_(LoadArt(IDB_LIST_BACKGROUND)),
      workerDone_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {
  instructionFormat_.cbSize = sizeof instructionFormat_;
  instructionFormat_.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_SIZE | CFM_FACE;
  instructionFormat_.dwEffects = 0;
  instructionFormat_.yHeight = 180;
  lstrcpynW(instructionFormat_.szFaceName, L"Arial", LF_FACESIZE);

  plainInstructionFormat_.cbSize = sizeof plainInstructionFormat_;
  plainInstructionFormat_.dwMask = CFM_BOLD;
  plainInstructionFormat_.dwEffects = 0;

  logFormat_.cbSize = sizeof logFormat_;
  logFormat_.dwMask = CFM_BOLD;
  logFormat_.dwEffects = CFE_BOLD;
}

CVantorMSOfficeXlsxProjView::~CVantorMSOfficeXlsxProjView() {
  // A worker must not outlive the object it calls; with the window gone its calls return at once.
  if (IsWorkerActive()) runFlag_.store(0);
  WaitForWorker();
  Destroy();
  if (statusIcons_) ImageList_Destroy(statusIcons_);
  if (workerDone_) CloseHandle(workerDone_);
}

bool CVantorMSOfficeXlsxProjView::Create(wnd::Frame& frame, wnd::Document* document) {
  return CreateView(frame, document, wnd::kIdFirstPane, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
}

int CVantorMSOfficeXlsxProjView::OnCreate(CREATESTRUCTW* create) {
  if (View::OnCreate(create) == -1) return -1;
  if (!uiCall_.Open()) return -1;
  if (!CreateControls()) return -1;
  DragAcceptFiles(hwnd(), TRUE);
  return 0;
}

bool CVantorMSOfficeXlsxProjView::CreateControls() {
  const HWND parent = hwnd();
  const RECT none{};
  const HMODULE module = wnd::ResourceModule();

  const bool listCreated = sourceList_.Create(
      parent, WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
      none, ID_VANTOR_LIST_CTRL);
  if (listCreated) {
    sourceList_.AddExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    sourceList_.InsertColumn(0, L"File Name", 900, LVCFMT_LEFT);
  }

  struct ButtonSetup {
    wnd::ImageButton& button;
    const wchar_t* caption;
    UINT id;
    const wchar_t* tip;
    UINT image;
  };
  const ButtonSetup buttons[] = {
      {selectButton_, L"Select files", ID_VANTOR_BTN_SELECT_FILES, L"Select file(s)", IDB_PNG_SELECT_FILES},
      {removeButton_, L"Remove files", ID_VANTOR_BTN_REMOVE_FILES, L"Remove file(s)", IDB_PNG_REMOVE_FILES},
      {repairButton_, L"Repair files", ID_VANTOR_BTN_RECOVER_FILES, L"Repair file(s)", IDB_PNG_REPAIR_FILES},
      {saveButton_, L"Save...", ID_VANTOR_BTN_SAVE_FILES, L"Save file(s)", IDB_PNG_SAVE},
      {stopButton_, L"Stop", ID_VANTOR_BTN_STOP, L"Stop", IDB_PNG_STOP},
      {exitButton_, L"Exit", ID_VANTOR_BTN_EXIT, L"Exit", IDB_PNG_EXIT},
  };
  for (const ButtonSetup& setup : buttons) {
    if (!setup.button.Create(parent, setup.caption, none, setup.id)) continue;
    setup.button.SetImage(setup.image, module);
    setup.button.SetTooltip(setup.tip);
  }

  if (destinationLabel_.Create(parent, L"Please select location to save repaired file(s):",
                               WS_VISIBLE | SS_NOTIFY, none, IDC_VANTOR_STATIC)) {
    destinationLabel_.SetFont(labelFont_.get());
  }

  if (activityLog_.Create(parent,
                          WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL |
                              ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_CLIPSIBLINGS,
                          none, ID_VANTOR_EDIT_CTRL)) {
    // The control's default limit of 32,767 characters would silently drop the log of a long run.
    activityLog_.Send(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    activityLog_.Send(EM_SETTARGETDEVICE, 0, 1);  // long lines scroll instead of wrapping
    activityLog_.SetDefaultFormat(logFormat_);
    activityLog_.SetText(kStartLogText);
    activityLog_.SetReadOnly(true);
  }

  if (instructions_.Create(parent, WS_VISIBLE | ES_MULTILINE | ES_READONLY, none,
                           ID_VANTOR_RICH_EDIT_CTRL, WS_EX_TRANSPARENT)) {
    instructions_.SetBackgroundColour(FooterColour(footerStrip_.get()));
    instructions_.SetDefaultFormat(instructionFormat_);
  }
  // From here on the instruction format makes a range bold and touches nothing else.
  instructionFormat_.dwMask = CFM_BOLD;
  instructionFormat_.dwEffects = CFE_BOLD;
  if (instructions_.hwnd()) {
    ApplyInstructions(kStartInstructions, kStartBold);
    instructions_.SetReadOnly(true);
  }

  if (destination_.Create(parent, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, none,
                          ID_VANTOR_BROWSE_EDIT_CTRL)) {
    destination_.SetFont(fieldFont_.get());
    destination_.SetPromptText(L"<Enter valid path to save repaired xlsx file(s).>");
    destination_.SetPromptColour(kPromptColour);
  }

  if (browseButton_.Create(parent, L"...", none, ID_VANTOR_BTN_BROWSE)) {
    browseButton_.SetImage(IDB_PNG_BROWSE, module);
    browseButton_.SetTooltip(L"Browse folder");
  }

  statusIcons_ = ImageList_Create(LIST_ICON_SIZE, LIST_ICON_SIZE, ILC_COLOR24 | ILC_MASK, 3, 0);
  if (statusIcons_) {
    wnd::Bitmap icons(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(IDB_LIST_ICONS), IMAGE_BITMAP, 0, 0, 0)));
    if (icons) ImageList_AddMasked(statusIcons_, icons.get(), kListIconMask);
    if (listCreated) sourceList_.SetSmallImageList(statusIcons_);
  }

  preview_.Create(parent, L"", WS_VISIBLE, none, IDC_VANTOR_STATIC_PICTURE_CTRL);
  if (previewLabel_.Create(parent, L"File preview:", WS_VISIBLE | SS_LEFTNOWORDWRAP, none, IDC_VANTOR_STATIC)) {
    previewLabel_.SetFont(labelFont_.get());
  }

  if (!listCreated) return false;

  if (extractMedia_.Create(parent, L"Extract Media..", WS_VISIBLE | WS_TABSTOP, none,
                           ID_CHECK_BTN_EXTRACT_FILE_CONTENT)) {
    extractMedia_.SetFont(fieldFont_.get());
  }

  EnableSaveControls(false);
  canRepair_ = false;
  repairButton_.Enable(false);
  removeButton_.Enable(false);
  stopButton_.Show(false);

  extractMedia_.SetChecked(true);

  // A workspace left behind by an earlier process that did not close normally.
  std::error_code error;
  if (std::filesystem::exists(workspace_.Root(), error)) {
    ShowNotice(xr::engine::kNoticeNone);
    xr::engine::RepairWorkspace::DeleteTree(workspace_.Root());
    xr::platform::RemoveFolder(workspace_.Root());  // failures are left for the next clear
  }

  selectButton_.Enable(true);
  canSelect_ = true;

  if (fileProgressLabel_.Create(parent, L"File progress:", 0, none, IDC_VANTOR_STATIC)) {
    fileProgressLabel_.SetFont(fieldFont_.get());
  }
  if (totalProgressLabel_.Create(parent, L"Total files progress:", 0, none, IDC_VANTOR_STATIC)) {
    totalProgressLabel_.SetFont(fieldFont_.get());
  }
  fileProgress_.Create(parent, PBS_SMOOTH, none, ID_FIRST_PROGRESS_CTRL);
  totalProgress_.Create(parent, PBS_SMOOTH, none, ID_SECOND_PROGRESS_CTRL);
  return true;
}

void CVantorMSOfficeXlsxProjView::OnDestroy() {
  // Normally the frame has waited for the worker already; a window destroyed under a running job
  // asks it to stop and serves its last calls while the controls still exist.
  if (IsWorkerActive()) {
    runFlag_.store(0);
    WaitForWorker();
  }
  uiCall_.Close();
  preview_.SetPicture(L"", xr::engine::kNoticeNone);
  // The frame may outlive this window; it must not lay out or route commands to it any more.
  if (frame() && frame()->view() == this) frame()->SetView(nullptr);
  View::OnDestroy();
}

wnd::ImageButton* CVantorMSOfficeXlsxProjView::Button(UINT id) {
  switch (id) {
    case ID_VANTOR_BTN_SELECT_FILES: return &selectButton_;
    case ID_VANTOR_BTN_REMOVE_FILES: return &removeButton_;
    case ID_VANTOR_BTN_RECOVER_FILES: return &repairButton_;
    case ID_VANTOR_BTN_SAVE_FILES: return &saveButton_;
    case ID_VANTOR_BTN_STOP: return &stopButton_;
    case ID_VANTOR_BTN_EXIT: return &exitButton_;
    case ID_VANTOR_BTN_BROWSE: return &browseButton_;
    default: return nullptr;
  }
}

LRESULT CVantorMSOfficeXlsxProjView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SHOWPREVIEW) {
    OnShowPreview(static_cast<int>(wParam));
    return 0;
  }
  return View::WindowProc(message, wParam, lParam);
}

void CVantorMSOfficeXlsxProjView::OnSize(UINT type, int width, int height) {
  View::OnSize(type, width, height);
  LayOut(width, height);
}

void CVantorMSOfficeXlsxProjView::LayOut(int width, int height) {
  ProgressRows rows = ProgressRows::None;
  if (fileProgressLabel_.hwnd() && fileProgressLabel_.IsVisible()) {
    rows = ProgressRows::Both;
  } else if (totalProgressLabel_.hwnd() && totalProgressLabel_.IsVisible()) {
    rows = ProgressRows::TotalOnly;
  }
  const WorkspacePlacement p = PlaceWorkspace(width, height, rows);
  Place(selectButton_, p.selectButton);
  Place(removeButton_, p.removeButton);
  Place(repairButton_, p.repairButton);
  Place(previewLabel_, p.previewLabel);
  Place(sourceList_, p.sourceList);
  ScaleListBackground(p.listBackground);
  Place(preview_, p.preview);
  Place(destinationLabel_, p.destinationLabel);
  Place(destination_, p.destination);
  Place(browseButton_, p.browseButton);
  Place(saveButton_, p.saveButton);
  Place(extractMedia_, p.extractMedia);
  Place(stopButton_, p.stopButton);
  Place(exitButton_, p.exitButton);
  Place(instructions_, p.instructions);
  Place(activityLog_, p.activityLog);
  if (p.fileLabel) Place(fileProgressLabel_, *p.fileLabel);
  if (p.fileBar) Place(fileProgress_, *p.fileBar);
  if (p.totalLabel) Place(totalProgressLabel_, *p.totalLabel);
  if (p.totalBar) Place(totalProgress_, *p.totalBar);
}

void CVantorMSOfficeXlsxProjView::LayOutAtCurrentSize() {
  const RECT rect = WindowRect();
  LayOut(wnd::Width(rect), wnd::Height(rect));
}

void CVantorMSOfficeXlsxProjView::ScaleListBackground(SIZE size) {
  if (!sourceList_.hwnd()) return;
  // Showing or hiding the progress area lays the view out again at the same size; the list keeps
  // its picture then instead of repainting everything for an identical one.
  if (size.cx == listBackgroundSize_.cx && size.cy == listBackgroundSize_.cy) return;
  listBackgroundSize_ = size;
  wnd::Bitmap scaled;
  if (listBackground_ && size.cx > 0 && size.cy > 0) {
    scaled.Reset(static_cast<HBITMAP>(
        CopyImage(listBackground_.get(), IMAGE_BITMAP, size.cx, size.cy, LR_CREATEDIBSECTION)));
  }
  // The list takes the bitmap over: it deletes it when the next one comes and when it goes.
  if (sourceList_.SetBackgroundImage(scaled.get(), true, 0, 0)) scaled.Release();
  sourceList_.Invalidate(true);
}

bool CVantorMSOfficeXlsxProjView::OnEraseBackground(HDC) {
  return false;  // everything is painted, off screen, in OnPaint
}

void CVantorMSOfficeXlsxProjView::OnPaint() {
  wnd::PaintDc paint(hwnd());
  const RECT client = ClientRect();
  const RECT& area = paint.paint().rcPaint;
  wnd::MemoryDc memory(paint.get(), wnd::Width(client), wnd::Height(client));
  if (!memory.ok()) {
    OnDraw(paint.get());
    return;
  }
  wnd::FillSolid(memory.get(), client, GetBkColor(paint.get()));
  OnDraw(memory.get());
  BitBlt(paint.get(), area.left, area.top, wnd::Width(area), wnd::Height(area), memory.get(),
         area.left, area.top, SRCCOPY);
}

void CVantorMSOfficeXlsxProjView::OnDraw(HDC dc) {
  const RECT client = ClientRect();
  const int width = client.right, height = client.bottom;
  const SIZE banner = BitmapSize(headerBanner_.get());
  DrawArt(dc, headerBanner_.get(), 0, 0, banner.cx, banner.cy);
  if (width > 273) DrawArt(dc, headerStretch_.get(), 400, 0, width - 400, 72);
  if (height - 50 > 72) {
    const RECT band = ToRect(0, 72, width, height - 50);
    FillRect(dc, &band, background_.get());
  }
  DrawArt(dc, footerStrip_.get(), 0, height - 60, width, 62);
  const SIZE footerLeft = BitmapSize(footerLeft_.get());
  DrawArt(dc, footerLeft_.get(), 0, height - 60, footerLeft.cx, footerLeft.cy);
}

HBRUSH CVantorMSOfficeXlsxProjView::OnCtlColor(HDC dc, HWND child, UINT message) {
  const int id = GetDlgCtrlID(child);
  if (id == IDC_VANTOR_STATIC || id == ID_CHECK_BTN_EXTRACT_FILE_CONTENT) {
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, kBackground);
    return background_.get();
  }
  return View::OnCtlColor(dc, child, message);
}

bool CVantorMSOfficeXlsxProjView::PreTranslateMessage(MSG& message) {
  if (message.message == WM_MOUSEMOVE &&
      (message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd))) {
    wchar_t text[260] = {};
    GetWindowTextW(message.hwnd, text, 260);
    if (frame()) frame()->SetStatusText(text);
  }
  return false;
}
