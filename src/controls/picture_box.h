// CPictureBox: the preview picture. It shows a picture file stretched over the whole control, or,
// while it holds none, one of six notice texts. Pictures are decoded by GDI+, which keeps the
// file open for as long as the box holds the picture; the window therefore releases it before it
// deletes workspace folders.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/gdiplus_image.h"
#include "framework/static_control.h"

class CPictureBox : public wnd::StaticControl {
 public:
  static constexpr int kNoNotice = 6;

  // Stores the notice, releases the held picture and, when a file exists at `path`, loads it.
  // A file that exists but cannot be decoded is still held: the box then shows neither picture
  // nor notice. The caller repaints the box afterwards.
  void SetPicture(const std::wstring& path, int notice);

  int NoticeIndex() const { return noticeIndex_; }
  bool HoldsPicture() const { return picture_.has_value(); }
  bool PictureDecoded() const { return picture_ && *picture_; }

  // The notice text of an index, or null for indexes outside 0 to 5.
  static const wchar_t* NoticeText(int index);

 protected:
  void OnPaint() override;
  void OnPrintClient(HDC dc, UINT flags) override;
  void OnDestroy() override;

 private:
  void PaintContent(HDC dc);
  void RedrawSiblingsAbove(const RECT& box);

  int noticeIndex_ = 0;
  std::optional<wnd::GdiplusImage> picture_;
};
