// The workspace window's side of JobWindow: each operation is carried onto the user-interface
// thread and has run there when it returns. A call made after the window has gone does nothing
// and answers as an empty window would.
#include "ui/vantor_view.h"

#include <algorithm>

#include "framework/frame.h"
#include "htmlbox/app_message.h"
#include "platform/text.h"

using xr::platform::Narrow;
using xr::platform::Widen;

namespace {

COLORREF ToColorref(xr::engine::Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

int CVantorMSOfficeXlsxProjView::SourceCount() {
  int count = 0;
  uiCall_.Run([&] { count = sourceList_.ItemCount(); });
  return count;
}

std::string CVantorMSOfficeXlsxProjView::SourcePath(int index) {
  std::string path;
  uiCall_.Run([&] { path = Narrow(sourceList_.ItemText(index, 0)); });
  return path;
}

void CVantorMSOfficeXlsxProjView::MarkSource(int index, xr::engine::StatusIcon icon,
                                             int repairedMark) {
  uiCall_.Run([&] {
    if (index < 0 || index >= sourceList_.ItemCount()) return;
    const std::wstring text = sourceList_.ItemText(index, 0);
    sourceList_.DeleteItem(index);
    const int row = sourceList_.InsertItem(index, text, icon);
    if (row >= 0) sourceList_.SetItemData(row, repairedMark);
  });
}

bool CVantorMSOfficeXlsxProjView::IsSourceRepaired(int index) {
  bool repaired = false;
  uiCall_.Run([&] {
    repaired = index >= 0 && index < sourceList_.ItemCount() && sourceList_.ItemData(index) == 1;
  });
  return repaired;
}

void CVantorMSOfficeXlsxProjView::ClearRepairedMark(int index) {
  uiCall_.Run([&] {
    if (index >= 0 && index < sourceList_.ItemCount()) sourceList_.SetItemData(index, 0);
  });
}

void CVantorMSOfficeXlsxProjView::AppendLog(const std::string& text, xr::engine::Colour colour) {
  const std::wstring wide = Widen(text);
  uiCall_.Run([&] { ApplyLogAppend(wide, ToColorref(colour)); });
}

void CVantorMSOfficeXlsxProjView::ApplyLogAppend(const std::wstring& text, COLORREF colour) {
  if (!activityLog_.hwnd()) return;
  const int linesBefore = activityLog_.LineCount();
  // Character positions, a paragraph end counting one, as the selection counts them.
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto end = static_cast<LONG>(activityLog_.Send(EM_GETTEXTLENGTHEX,
                                                       reinterpret_cast<WPARAM>(&length)));
  activityLog_.SetSelection(end, -1);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;  // the default bold stays
  format.crTextColor = colour;
  activityLog_.SetSelectionFormat(format);
  activityLog_.ReplaceSelection(text);
  activityLog_.ScrollLines(activityLog_.LineCount() - linesBefore);
  RedrawWindow(activityLog_.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVantorMSOfficeXlsxProjView::SetLogText(const std::string& text) {
  const std::wstring wide = Widen(text);
  uiCall_.Run([&] { activityLog_.SetText(wide); });
}

void CVantorMSOfficeXlsxProjView::SetInstructions(const std::string& text,
                                                  const std::vector<xr::engine::BoldRange>& bold) {
  const std::wstring wide = Widen(text);
  uiCall_.Run([&] { ApplyInstructions(wide, bold); });
}

void CVantorMSOfficeXlsxProjView::ApplyInstructions(const std::wstring& text,
                                                    const std::vector<xr::engine::BoldRange>& bold) {
  if (!instructions_.hwnd()) return;
  instructions_.SetText(text);
  // Nothing of the previous text's bold may carry over to the new one.
  instructions_.SetSelection(0, -1);
  instructions_.SetSelectionFormat(plainInstructionFormat_);
  for (const xr::engine::BoldRange& range : bold) {
    instructions_.SetSelection(range.begin, range.end);
    instructions_.SetSelectionFormat(instructionFormat_);
  }
  instructions_.SetSelection(0, 0);
}

void CVantorMSOfficeXlsxProjView::ShowProgressArea(bool show) {
  uiCall_.Run([&] {
    fileProgressLabel_.Show(show);
    totalProgressLabel_.Show(show);
    fileProgress_.Show(show);
    totalProgress_.Show(show);
    LayOutAtCurrentSize();
  });
}

void CVantorMSOfficeXlsxProjView::ShowTotalProgressOnly() {
  uiCall_.Run([&] {
    fileProgressLabel_.Show(false);
    fileProgress_.Show(false);
    totalProgressLabel_.Show(true);
    totalProgress_.Show(true);
    LayOutAtCurrentSize();
  });
}

CEstProgressCtrl& CVantorMSOfficeXlsxProjView::Bar(xr::engine::ProgressBar bar) {
  return bar == xr::engine::ProgressBar::File ? fileProgress_ : totalProgress_;
}

void CVantorMSOfficeXlsxProjView::ResetProgress(xr::engine::ProgressBar bar,
                                                std::uint32_t upperBound) {
  uiCall_.Run([&] {
    CEstProgressCtrl& target = Bar(bar);
    target.ResetEstimate();
    // The bar's bounds are 16-bit; the jobs scale larger counts down before they get here.
    target.SetRange(0, static_cast<WORD>(std::min<std::uint32_t>(upperBound, 0xFFFF)));
    target.SetPosition(0);
  });
}

void CVantorMSOfficeXlsxProjView::SetProgress(xr::engine::ProgressBar bar, std::uint32_t position) {
  uiCall_.Run([&] { Bar(bar).SetPosition(static_cast<int>(std::min<std::uint32_t>(position, 0xFFFF))); });
}

void CVantorMSOfficeXlsxProjView::ShowPreviewNotice(xr::engine::PreviewNotice notice) {
  uiCall_.Run([&] { ShowNotice(notice); });
}

void CVantorMSOfficeXlsxProjView::ShowPreviewImage(const std::filesystem::path& picture) {
  uiCall_.Run([&] {
    preview_.SetPicture(picture.wstring(), xr::engine::kNoticeNone);
    preview_.Invalidate(true);
  });
}

void CVantorMSOfficeXlsxProjView::SetCommandStates(const xr::engine::CommandStates& changes) {
  uiCall_.Run([&] {
    if (changes.canSelect) canSelect_ = *changes.canSelect;
    if (changes.canRepair) canRepair_ = *changes.canRepair;
    if (changes.canSave) canSave_ = *changes.canSave;
    if (changes.saveControlsEnabled) EnableSaveControls(*changes.saveControlsEnabled);
    if (changes.selectEnabled) selectButton_.Enable(*changes.selectEnabled);
    if (changes.repairEnabled) repairButton_.Enable(*changes.repairEnabled);
    if (changes.removeEnabled) removeButton_.Enable(*changes.removeEnabled);
    if (changes.stopEnabled) stopButton_.Enable(*changes.stopEnabled);
    if (changes.stopVisible) stopButton_.Show(*changes.stopVisible);
    // The worker's calls arrive as sent messages, which do not wake the message loop's idle pass;
    // a posted message does, so the toolbar follows the new states at once.
    if (frame() && frame()->hwnd()) frame()->Post(WM_NULL);
  });
}

std::string CVantorMSOfficeXlsxProjView::DestinationText() {
  std::string text;
  uiCall_.Run([&] { text = Narrow(destination_.Text()); });
  return text;
}

bool CVantorMSOfficeXlsxProjView::IsExtractMediaChecked() {
  bool checked = false;
  uiCall_.Run([&] { checked = extractMedia_.IsChecked(); });
  return checked;
}

int CVantorMSOfficeXlsxProjView::ShowMessage(const std::string& text, unsigned flags, bool owned) {
  const std::wstring wide = Widen(text);
  int answer = 0;  // no box could be shown
  uiCall_.Run([&] { answer = ShowAppMessage(owned ? hwnd() : nullptr, wide, flags); });
  return answer;
}
