// CVantorTransparentStatic: a text label without a ground of its own, for texts that lie over
// a picture of their parent.
#pragma once

#include <windows.h>

#include "framework/static_control.h"

class CVantorTransparentStatic : public wnd::StaticControl {
 protected:
  // The parent repaints what lies under the label before the new text is drawn, so a shorter
  // text leaves nothing of a longer one behind.
  LRESULT OnSetText(const wchar_t* text) override;
  void OnPaint() override;
  void OnPrintClient(HDC dc, UINT flags) override;
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;

 private:
  void PaintContent(HDC dc);
};
