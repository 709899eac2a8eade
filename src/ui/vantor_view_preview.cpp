// The preview pane: notices, and for a row picked in the list the package's thumbnail or else the
// first picture of its folder.
#include "ui/vantor_view.h"

#include <system_error>

#include "platform/folder.h"
#include "platform/text.h"
#include "save/media_extraction.h"

void CVantorMSOfficeXlsxProjView::ShowNotice(int notice) {
  // Releasing the picture also closes its file, which the workspace clean-ups rely on.
  preview_.SetPicture(L"", notice);
  if (preview_.hwnd()) preview_.Invalidate(true);
}

void CVantorMSOfficeXlsxProjView::ClearPreview() { ShowNotice(xr::engine::kNoticeNone); }

void CVantorMSOfficeXlsxProjView::DeleteWorkspace() {
  ShowNotice(xr::engine::kNoticeNone);
  xr::engine::RepairWorkspace::DeleteTree(workspace_.Root());
  xr::platform::RemoveFolder(workspace_.Root());
}

void CVantorMSOfficeXlsxProjView::OnShowPreview(int row) {
  pictureFound_ = false;
  // The list asks only for rows it has; anything else leaves the pane as it is.
  if (row < 0 || row >= sourceList_.ItemCount()) return;
  if (!xr::platform::IsFolder(workspace_.Root())) {
    ShowNotice(5);  // no repair run yet, or its results were deleted
    return;
  }
  // The folder by the same rule the repair run named it.
  const xr::platform::Path folder =
      workspace_.FileFolder(xr::platform::Narrow(sourceList_.ItemText(row, 0)), row);
  const xr::platform::Path thumbnail = folder / L"Thumbnails" / L"thumbnail.png";
  std::error_code error;
  if (std::filesystem::is_regular_file(thumbnail, error)) {
    ShowPreviewImage(thumbnail);
    return;
  }
  // The search stops at the first picture it shows; the row's repaired mark is not consulted, so a
  // row without a folder simply finds nothing.
  if (xr::save::FindFirstPicture(folder, *this, pictureFound_)) {
    pictureFound_ = false;
  } else {
    ShowNotice(4);
  }
}
