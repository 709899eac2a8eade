// Start and shutdown of the image library.
#include "framework/gdiplus_session.h"

#include <objidl.h>
#include <gdiplus.h>

namespace wnd {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace wnd
