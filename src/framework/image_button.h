// A push button drawn in the colours of the current look, with a picture left of its caption
// and a tooltip.
#pragma once

#include <windows.h>

#include "framework/gdiplus_image.h"
#include "framework/tool_tip.h"
#include "framework/window.h"

namespace wnd {

class ImageButton : public Window {
 public:
  bool Create(HWND parent, std::wstring_view caption, const RECT& rect, UINT id,
              DWORD style = WS_VISIBLE | WS_TABSTOP);
  // The picture from a PNG resource; false when it cannot be decoded (the button then shows
  // its caption alone).
  bool SetImage(UINT pngId, HMODULE module = nullptr);
  void SetImage(GdiplusImage image);
  bool HasImage() const { return static_cast<bool>(image_); }
  void SetTooltip(std::wstring_view text);
  std::wstring Tooltip() const;
  const ToolTip& toolTip() const { return tip_; }

  // Where the picture and the caption go inside `rect`: centred together, picture first.
  struct Layout {
    RECT image;
    RECT caption;
  };
  Layout Arrange(HDC dc, const RECT& rect) const;

 protected:
  bool OnReflectedDrawItem(DRAWITEMSTRUCT* item) override;
  void OnMouseMove(UINT keys, POINT point) override;
  void OnMouseLeave() override;
  bool OnEraseBackground(HDC dc) override;

 private:
  void PaintButton(HDC dc, const RECT& rect, UINT state);

  GdiplusImage image_;
  ToolTip tip_;
  bool hot_ = false;
};

}  // namespace wnd
