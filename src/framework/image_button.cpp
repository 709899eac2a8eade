// The look-drawn picture button.
#include "framework/image_button.h"

#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <utility>

#include "framework/gdi.h"
#include "framework/look_painter.h"

namespace wnd {
namespace {

constexpr int kGap = 3;      // between picture and caption
constexpr int kPadding = 2;  // between the border and the content

}  // namespace

bool ImageButton::Create(HWND parent, std::wstring_view caption, const RECT& rect, UINT id,
                         DWORD style) {
  return CreateControl(L"BUTTON", parent, caption, style | WS_CHILD | BS_OWNERDRAW, 0, rect, id);
}

bool ImageButton::SetImage(UINT pngId, HMODULE module) {
  GdiplusImage image = GdiplusImage::FromResource(pngId, L"PNG", module);
  const bool ok = static_cast<bool>(image);
  SetImage(std::move(image));
  return ok;
}

void ImageButton::SetImage(GdiplusImage image) {
  image_ = std::move(image);
  if (hwnd()) Invalidate(false);
}

void ImageButton::SetTooltip(std::wstring_view text) {
  if (!tip_.hwnd()) {
    if (!tip_.Create(hwnd())) return;
    tip_.AddTool(hwnd(), text);
    return;
  }
  tip_.SetToolText(hwnd(), text);
}

std::wstring ImageButton::Tooltip() const {
  return tip_.hwnd() ? tip_.ToolText(hwnd()) : std::wstring();
}

ImageButton::Layout ImageButton::Arrange(HDC dc, const RECT& rect) const {
  const std::wstring caption = Text();
  SIZE textSize{};
  if (!caption.empty()) {
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize);
  }

  // The picture keeps its own size unless it is taller than the button's inside.
  const int room = std::max(0, Height(rect) - 2 * kPadding);
  int imageWidth = 0, imageHeight = 0;
  if (image_) {
    imageWidth = static_cast<int>(image_.Width());
    imageHeight = static_cast<int>(image_.Height());
    if (imageHeight > room && imageHeight > 0) {
      imageWidth = imageWidth * room / imageHeight;
      imageHeight = room;
    }
  }
  const int gap = (imageWidth > 0 && textSize.cx > 0) ? kGap : 0;
  const int total = imageWidth + gap + textSize.cx;
  const int left = rect.left + std::max(kPadding, (Width(rect) - total) / 2);
  const int imageTop = rect.top + (Height(rect) - imageHeight) / 2;

  Layout layout{};
  layout.image = RECT{left, imageTop, left + imageWidth, imageTop + imageHeight};
  layout.caption = RECT{left + imageWidth + gap, rect.top, rect.right - kPadding, rect.bottom};
  return layout;
}

bool ImageButton::OnReflectedDrawItem(DRAWITEMSTRUCT* item) {
  if (item->CtlType != ODT_BUTTON) return false;
  PaintButton(item->hDC, item->rcItem, item->itemState);
  return true;
}

void ImageButton::PaintButton(HDC dc, const RECT& rect, UINT state) {
  const Look& look = CurrentLook();
  ButtonVisual visual = ButtonVisual::Normal;
  if (state & ODS_DISABLED) {
    visual = ButtonVisual::Disabled;
  } else if (state & ODS_SELECTED) {
    visual = ButtonVisual::Pressed;
  } else if (hot_) {
    visual = ButtonVisual::Hot;
  }

  // Rounded corners show the parent's own ground.
  RECT ground = rect;
  if (FAILED(DrawThemeParentBackground(hwnd(), dc, &ground))) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  }
  PaintButtonFace(dc, rect, look, visual, (state & ODS_FOCUS) && !(state & ODS_NOFOCUSRECT));

  HFONT font = Font();
  SelectScope selectFont(dc, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  Layout layout = Arrange(dc, rect);
  if (visual == ButtonVisual::Pressed) {
    OffsetRect(&layout.image, 1, 1);
    OffsetRect(&layout.caption, 1, 1);
  }
  if (image_) {
    image_.Draw(dc, layout.image.left, layout.image.top, Width(layout.image), Height(layout.image),
                visual == ButtonVisual::Disabled);
  }
  const std::wstring caption = Text();
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ButtonTextColour(look, visual));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &layout.caption,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
}

void ImageButton::OnMouseMove(UINT keys, POINT point) {
  if (!hot_) {
    hot_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
    Invalidate(false);
  }
  Window::OnMouseMove(keys, point);
}

void ImageButton::OnMouseLeave() {
  hot_ = false;
  Invalidate(false);
  Window::OnMouseLeave();
}

bool ImageButton::OnEraseBackground(HDC) {
  return true;  // the draw request paints every pixel
}

}  // namespace wnd
