// Gradients and frames in a look's colours.
#include "framework/look_painter.h"

#include "framework/gdi.h"

namespace wnd {
namespace {

COLOR16 Channel(BYTE value) { return static_cast<COLOR16>(value << 8); }

// A colour moved towards white by `percent`.
COLORREF Lighter(COLORREF colour, int percent) {
  const auto mix = [percent](BYTE value) {
    return static_cast<BYTE>(value + (255 - value) * percent / 100);
  };
  return RGB(mix(GetRValue(colour)), mix(GetGValue(colour)), mix(GetBValue(colour)));
}

void FrameRounded(HDC dc, const RECT& rect, COLORREF colour, int radius) {
  Pen pen(CreatePen(PS_SOLID, 1, colour));
  SelectScope selectPen(dc, pen.get());
  SelectScope selectBrush(dc, GetStockObject(NULL_BRUSH));
  if (radius > 0) {
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius * 2, radius * 2);
  } else {
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
}

}  // namespace

void PaintGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  if (top == bottom) {
    FillSolid(dc, rect, top);
    return;
  }
  TRIVERTEX vertices[2] = {
      {rect.left, rect.top, Channel(GetRValue(top)), Channel(GetGValue(top)),
       Channel(GetBValue(top)), 0},
      {rect.right, rect.bottom, Channel(GetRValue(bottom)), Channel(GetGValue(bottom)),
       Channel(GetBValue(bottom)), 0},
  };
  GRADIENT_RECT span{0, 1};
  if (!GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V)) FillSolid(dc, rect, top);
}

void PaintBand(HDC dc, const RECT& rect, const Look& look) {
  RECT body = rect;
  body.bottom -= 1;
  PaintGradient(dc, body, look.band.top, look.band.bottom);
  RECT edge{rect.left, rect.bottom - 1, rect.right, rect.bottom};
  FillSolid(dc, edge, look.band.edge);
}

void PaintButtonFace(HDC dc, const RECT& rect, const Look& look, ButtonVisual visual,
                     bool focused) {
  const Shade& shade = visual == ButtonVisual::Hot       ? look.hot
                       : visual == ButtonVisual::Pressed ? look.pressed
                                                         : look.button;
  const COLORREF top = shade.top, bottom = shade.bottom, border = shade.edge;
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  PaintGradient(dc, inner, top, bottom);
  if (visual != ButtonVisual::Pressed && look.cornerRadius > 0) {
    // A light line inside the border gives the face its raised edge.
    FrameRounded(dc, inner, Lighter(top, 60), look.cornerRadius);
  }
  FrameRounded(dc, rect, visual == ButtonVisual::Disabled ? Lighter(border, 40) : border,
               look.cornerRadius);
  if (focused && visual != ButtonVisual::Disabled) {
    RECT focus = rect;
    InflateRect(&focus, -3, -3);
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
  }
}

COLORREF ButtonTextColour(const Look& look, ButtonVisual visual) {
  switch (visual) {
    case ButtonVisual::Disabled:
      return look.disabledText;
    case ButtonVisual::Hot:
    case ButtonVisual::Pressed:
      return visual == ButtonVisual::Hot ? look.hot.text : look.pressed.text;
    case ButtonVisual::Normal:
      break;
  }
  return look.button.text;
}

void PaintStatusBackground(HDC dc, const RECT& rect, const Look& look) {
  PaintGradient(dc, rect, look.status.top, look.status.bottom);
  RECT edge{rect.left, rect.top, rect.right, rect.top + 1};
  FillSolid(dc, edge, look.status.edge);
}

void PaintStatusPane(HDC dc, const RECT& rect, const Look& look) {
  // Only the pane's right edge is drawn: panes read as cells of one band.
  RECT edge{rect.right - 1, rect.top + 3, rect.right, rect.bottom - 3};
  FillSolid(dc, edge, look.status.edge);
  RECT shine{rect.right, rect.top + 3, rect.right + 1, rect.bottom - 3};
  FillSolid(dc, shine, Lighter(look.status.top, 60));
}

}  // namespace wnd
