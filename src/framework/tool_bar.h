// The system's toolbar with pictures from a PNG strip, drawn on a band of the current look.
// https://learn.microsoft.com/windows/win32/controls/toolbar-control-reference
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/gdiplus_image.h"
#include "framework/window.h"

namespace wnd {

class ToolBar : public Window {
 public:
  ToolBar() = default;
  ~ToolBar() override;

  bool Create(HWND parent, UINT id = kIdToolBar);
  // A strip of pictures `imageWidth` by `imageHeight` side by side, kept with their alpha.
  bool SetImages(const GdiplusImage& strip, int imageWidth, int imageHeight);
  bool LoadImages(UINT pngId, int imageWidth, int imageHeight, HMODULE module = nullptr);
  // One button per command, 0 for a separator; buttons take the pictures in order.
  void SetButtons(const std::vector<UINT>& commands);

  int ButtonCount() const;  // separators included
  int ImageCount() const;
  UINT CommandAt(int index) const;
  void SetCommandState(UINT id, bool enabled, bool checked);
  bool IsCommandEnabled(UINT id) const;
  bool IsCommandChecked(UINT id) const;
  SIZE ImageSize() const;
  // Lets the toolbar size itself along the top of its parent and returns its height.
  int AutoSize();

 protected:
  bool OnReflectedNotify(NMHDR* header, LRESULT& result) override;

 private:
  HIMAGELIST images_ = nullptr;
};

}  // namespace wnd
