// Drawing of the parts a look colours: bands, button faces and the status bar.
#pragma once

#include <windows.h>

#include "framework/look.h"

namespace wnd {

enum class ButtonVisual { Normal, Hot, Pressed, Disabled };

void PaintGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

// The menu and tool band: a vertical gradient with an edge line at its foot.
void PaintBand(HDC dc, const RECT& rect, const Look& look);

// A push button's face and border; a focused button gets a dotted focus line inside.
void PaintButtonFace(HDC dc, const RECT& rect, const Look& look, ButtonVisual visual, bool focused);
COLORREF ButtonTextColour(const Look& look, ButtonVisual visual);

// The status bar's ground and the frame of one pane.
void PaintStatusBackground(HDC dc, const RECT& rect, const Look& look);
void PaintStatusPane(HDC dc, const RECT& rect, const Look& look);

}  // namespace wnd
