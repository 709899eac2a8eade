// The gallery's pages of art: the workspace's bitmaps and images, and the pictures of the
// splash screen, the about box and the maker's logo.
#pragma once

#include <memory>
#include <vector>

#include "controls/vantor_transparent_static.h"
#include "framework/image_button.h"
#include "page.h"

namespace gallery {

class WorkspaceArtPage : public Page {
 protected:
  void Paint(HDC dc, const RECT& client) override;
};

class WindowArtPage : public Page {
 public:
  bool Populate() override;

 protected:
  void Paint(HDC dc, const RECT& client) override;

 private:
  CVantorTransparentStatic title_, rights_, product_;
  wnd::ImageButton ok_;
};

}  // namespace gallery
