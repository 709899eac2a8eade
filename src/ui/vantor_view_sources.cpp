// The source file list: Select files with the open-file dialog, drops from the shell, Remove
// files with the workspace clean-up, and the return to the start-up look.
#include "ui/vantor_view.h"

#include <cwctype>
#include <system_error>

#include "framework/wait_cursor.h"
#include "htmlbox/app_message.h"
#include "platform/folder.h"
#include "platform/text.h"
#include "ui/pickers.h"

namespace {

// One selection adds at most this many rows.
constexpr std::size_t kSelectionLimit = 100;

// Equal when they differ at most in the case of the letters A to Z.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i], y = b[i];
    if (x >= L'a' && x <= L'z') x = static_cast<wchar_t>(x - L'a' + L'A');
    if (y >= L'a' && y <= L'z') y = static_cast<wchar_t>(y - L'a' + L'A');
    if (x != y) return false;
  }
  return true;
}

std::wstring Trimmed(const std::wstring& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && std::iswspace(text[first])) ++first;
  while (last > first && std::iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

void CVantorMSOfficeXlsxProjView::SelectFiles() {
  wnd::WaitCursor wait;
  const std::optional<std::vector<std::wstring>> picked = xr::ui::PickSourceFiles(hwnd());
  if (!picked) return;

  if (xr::platform::IsFolder(workspace_.Root())) {
    ShowNotice(xr::engine::kNoticeNone);
    workspace_.Clear();
  }
  if (listFromLastRun_) {
    sourceList_.DeleteAllItems();
    listFromLastRun_ = false;
  }
  activityLog_.SetText(L"Select .xlsx file(s) to Repair....");
  if (picked->empty()) return;

  ShowNotice(1);
  AddSelectedFiles(*picked);
  // Also when every name was already listed.
  canRepair_ = true;
  repairButton_.Enable(true);
  removeButton_.Enable(true);
}

void CVantorMSOfficeXlsxProjView::AddSelectedFiles(const std::vector<std::wstring>& paths) {
  const std::size_t taken = std::min(paths.size(), kSelectionLimit);
  for (std::size_t i = 0; i < taken; ++i) {
    const std::wstring& path = paths[i];
    bool listed = false;
    for (int row = 0, count = sourceList_.ItemCount(); row < count && !listed; ++row) {
      listed = SamePath(sourceList_.ItemText(row, 0), path);
    }
    if (listed) {
      ShowAppMessage(nullptr, path + L"already exist in the list.", kAppMessageOk);
    } else {
      AddSourceRow(path);
    }
  }
  if (paths.size() > taken) {
    ShowAppMessage(nullptr,
                   L"Only the first 100 files of one selection are listed. Please select the "
                   L"others again.",
                   kAppMessageOk);
  }
}

void CVantorMSOfficeXlsxProjView::AddSourceRow(const std::wstring& path) {
  const int row = sourceList_.InsertItem(sourceList_.ItemCount(), path, xr::engine::kIconListed);
  if (row >= 0) sourceList_.SetItemData(row, 0);
}

void CVantorMSOfficeXlsxProjView::OnDropFiles(HDROP drop) {
  // A drop adds rows and nothing else: no duplicate check, no message, no state change.
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // The name's own length, so a long path is never cut short.
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(std::min(copied, length));
    const std::wstring path = Trimmed(name);
    if (path.find(L".xlsx") != std::wstring::npos) AddSourceRow(path);
  }
  DragFinish(drop);
}

void CVantorMSOfficeXlsxProjView::RemoveFiles() {
  if (sourceList_.NextItem(-1, LVNI_SELECTED) < 0) {
    ShowAppMessage(nullptr, L"No file(s) selected to remove.", kAppMessageOk);
    return;
  }
  for (int row = sourceList_.NextItem(-1, LVNI_SELECTED); row >= 0;
       row = sourceList_.NextItem(-1, LVNI_SELECTED)) {
    RemoveRow(row);
  }
  if (sourceList_.ItemCount() > 0) {
    ShowNotice(3);
  } else {
    ReturnToStartUpLook();
  }
}

void CVantorMSOfficeXlsxProjView::RemoveRow(int row) {
  const xr::platform::Path folder =
      workspace_.FileFolder(xr::platform::Narrow(sourceList_.ItemText(row, 0)), row);
  ShowNotice(xr::engine::kNoticeNone);
  xr::engine::RepairWorkspace::DeleteTree(folder);
  xr::platform::RemoveFolder(folder);  // a folder that cannot go is left behind without a message
  sourceList_.DeleteItem(row);

  // A row's file folder is named by its index. The rows below move up by one, so their folders
  // follow; otherwise the preview and the save would look for them under the next row's number
  // and could take another file's package for theirs.
  for (int below = row, count = sourceList_.ItemCount(); below < count; ++below) {
    const std::string path = xr::platform::Narrow(sourceList_.ItemText(below, 0));
    const xr::platform::Path from = workspace_.FileFolder(path, below + 1);
    if (!xr::platform::IsFolder(from)) continue;
    std::error_code error;
    std::filesystem::rename(from, workspace_.FileFolder(path, below), error);
  }
}

void CVantorMSOfficeXlsxProjView::ReturnToStartUpLook() {
  ShowNotice(xr::engine::kNoticeNone);
  xr::engine::RepairWorkspace::DeleteTree(workspace_.Root());
  xr::platform::RemoveFolder(workspace_.Root());
  destination_.SetEditText(L"");
  EnableSaveControls(false);
  canRepair_ = false;
  repairButton_.Enable(false);
  removeButton_.Enable(false);
  ShowNotice(0);
  activityLog_.SetText(L"Click Select files to select .xlsx file(s) to repair....");
  ApplyInstructions(L"Click Select files to select .xlsx file(s) to repair.\n"
                    L"Click Repair files to see the preview of the .xlsx file(s).",
                    {{6, 18}, {29, 34}, {59, 72}, {83, 91}, {99, 103}});
}
