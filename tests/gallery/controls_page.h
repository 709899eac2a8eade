// The gallery's page of controls: every control of the layer and of the application, filled
// with sample data, in the current look.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/est_progress_ctrl.h"
#include "controls/picture_box.h"
#include "controls/vantor_list_ctrl.h"
#include "controls/vantor_transparent_static.h"
#include "controls/xedit_prompt.h"
#include "framework/check_box.h"
#include "framework/edit_control.h"
#include "framework/image_button.h"
#include "framework/rich_edit.h"
#include "framework/static_control.h"
#include "page.h"

namespace gallery {

class ControlsPage : public Page {
 public:
  ControlsPage();
  ~ControlsPage() override;
  bool Populate() override;

 protected:
  void Paint(HDC dc, const RECT& client) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::int64_t heldClock_;
  CVantorListCtrl list_;
  HIMAGELIST listIcons_ = nullptr;
  HBITMAP listBackground_ = nullptr;
  CPictureBox noticeBox_, pictureBox_, emptyBox_;
  std::wstring previewFile_;
  std::vector<std::unique_ptr<wnd::ImageButton>> buttons_;
  wnd::StaticControl destinationLabel_, fileLabel_, totalLabel_, plainLabel_;
  CXEditPrompt promptBox_, typedBox_;
  wnd::CheckBox extractMedia_, plainCheck_;
  CEstProgressCtrl fileBar_, totalBar_;
  wnd::RichEdit log_;
  CVantorTransparentStatic overLabel_;
  wnd::EditControl plainEdit_;
};

}  // namespace gallery
