// The platform's image library started for as long as the session object lives. Pictures can be
// decoded and drawn only while a session exists; sessions nest.
#pragma once

#include <windows.h>

namespace wnd {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool ok() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace wnd
