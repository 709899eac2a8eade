// A page of the gallery: a view on the window's background colour that paints off screen.
#pragma once

#include <windows.h>

#include "framework/view.h"

namespace gallery {

class Page : public wnd::View {
 public:
  // Creates the page's own controls once its window exists.
  virtual bool Populate() { return true; }

 protected:
  // Paints the page's surface below its controls.
  virtual void Paint(HDC dc, const RECT& client) = 0;
  void OnDraw(HDC dc) override;
  bool OnEraseBackground(HDC dc) override;
  // Labels (id 9) and the check box (id 16) stand on the page's colour, as in the workspace.
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;
};

// Fonts of the workspace: labels in bold Arial, fields in Times New Roman.
HFONT LabelFont();
HFONT FieldFont();

}  // namespace gallery
