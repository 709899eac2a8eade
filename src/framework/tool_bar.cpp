// Toolbar wrapper: picture strip, buttons, states and look-coloured drawing.
#include "framework/tool_bar.h"

#include "framework/gdi.h"
#include "framework/look_painter.h"

namespace wnd {

ToolBar::~ToolBar() {
  // The toolbar goes first: it must not draw with a destroyed list.
  Destroy();
  if (images_) ImageList_Destroy(images_);
}

bool ToolBar::Create(HWND parent, UINT id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                      TBSTYLE_CUSTOMERASE | CCS_TOP | CCS_NODIVIDER;
  if (!CreateControl(TOOLBARCLASSNAMEW, parent, L"", style, 0, RECT{}, id)) return false;
  Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return true;
}

bool ToolBar::SetImages(const GdiplusImage& strip, int imageWidth, int imageHeight) {
  if (!strip || imageWidth <= 0 || imageHeight <= 0) return false;
  const int count = static_cast<int>(strip.Width()) / imageWidth;
  if (count <= 0) return false;
  Bitmap dib(strip.CreateDib(false));
  if (!dib) return false;
  HIMAGELIST list = ImageList_Create(imageWidth, imageHeight, ILC_COLOR32, count, 0);
  if (!list) return false;
  if (ImageList_Add(list, dib.get(), nullptr) < 0) {
    ImageList_Destroy(list);
    return false;
  }
  Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
  if (images_) ImageList_Destroy(images_);
  images_ = list;
  return true;
}

bool ToolBar::LoadImages(UINT pngId, int imageWidth, int imageHeight, HMODULE module) {
  return SetImages(GdiplusImage::FromResource(pngId, L"PNG", module), imageWidth, imageHeight);
}

void ToolBar::SetButtons(const std::vector<UINT>& commands) {
  while (Send(TB_BUTTONCOUNT) > 0) Send(TB_DELETEBUTTON, 0);
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : commands) {
    TBBUTTON button{};
    if (command == 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
      button.iString = -1;
    }
    buttons.push_back(button);
  }
  if (!buttons.empty()) {
    Send(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  }
  AutoSize();
}

int ToolBar::ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }
int ToolBar::ImageCount() const { return images_ ? ImageList_GetImageCount(images_) : 0; }

UINT ToolBar::CommandAt(int index) const {
  TBBUTTON button{};
  if (!Send(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return 0;
  return (button.fsStyle & BTNS_SEP) ? 0 : static_cast<UINT>(button.idCommand);
}

void ToolBar::SetCommandState(UINT id, bool enabled, bool checked) {
  // Only real changes are sent, so the idle pass does not make the toolbar flicker.
  if (IsCommandEnabled(id) != enabled)
    Send(TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
  if (IsCommandChecked(id) != checked)
    Send(TB_CHECKBUTTON, id, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

bool ToolBar::IsCommandEnabled(UINT id) const { return Send(TB_ISBUTTONENABLED, id) != 0; }
bool ToolBar::IsCommandChecked(UINT id) const { return Send(TB_ISBUTTONCHECKED, id) != 0; }

SIZE ToolBar::ImageSize() const {
  int width = 0, height = 0;
  if (images_) ImageList_GetIconSize(images_, &width, &height);
  return SIZE{width, height};
}

int ToolBar::AutoSize() {
  Send(TB_AUTOSIZE);
  return Height(WindowRect());
}

bool ToolBar::OnReflectedNotify(NMHDR* header, LRESULT& result) {
  if (header->code != NM_CUSTOMDRAW) return false;
  auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
  const Look& look = CurrentLook();
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREERASE: {
      PaintBand(draw->nmcd.hdc, ClientRect(), look);
      result = CDRF_SKIPDEFAULT;
      return true;
    }
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT: {
      const UINT state = draw->nmcd.uItemState;
      if (state & (CDIS_HOT | CDIS_SELECTED | CDIS_CHECKED)) {
        const ButtonVisual visual =
            (state & (CDIS_SELECTED | CDIS_CHECKED)) ? ButtonVisual::Pressed : ButtonVisual::Hot;
        PaintButtonFace(draw->nmcd.hdc, draw->nmcd.rc, look, visual, false);
      }
      draw->clrText = look.band.text;
      result = TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET;
      return true;
    }
    default:
      result = CDRF_DODEFAULT;
      return true;
  }
}

}  // namespace wnd
