// The gallery's page of looks: the nine colour sets side by side, each as a small frame with its
// bands, buttons in every state and status bar.
#pragma once

#include "page.h"

namespace gallery {

class LooksPage : public Page {
 protected:
  void Paint(HDC dc, const RECT& client) override;
};

}  // namespace gallery
