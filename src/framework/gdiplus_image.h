// A picture decoded by the platform's image library (GDI+ flat API), owned by one object.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct IStream;
namespace Gdiplus {
class GpImage;
}

namespace wnd {

class GdiplusImage {
 public:
  GdiplusImage() = default;
  ~GdiplusImage();
  GdiplusImage(GdiplusImage&& other) noexcept;
  GdiplusImage& operator=(GdiplusImage&& other) noexcept;
  GdiplusImage(const GdiplusImage&) = delete;
  GdiplusImage& operator=(const GdiplusImage&) = delete;

  // GdipLoadImageFromFile: the library keeps the file open for as long as it holds the picture.
  static GdiplusImage FromFile(const std::wstring& path);
  // Decodes a copy of the bytes.
  static GdiplusImage FromBytes(const void* data, std::size_t size);
  // A resource of the module (the executable when null), of the given type; PNG art is type "PNG".
  static GdiplusImage FromResource(UINT id, const wchar_t* type = L"PNG", HMODULE module = nullptr);

  Gdiplus::GpImage* get() const { return image_; }
  explicit operator bool() const { return image_ != nullptr; }
  // The library's status of the load (0 is success).
  int status() const { return status_; }
  UINT Width() const;
  UINT Height() const;

  // Draws the picture stretched into the rectangle; `greyed` draws it faded and without colour.
  bool Draw(HDC dc, int x, int y, int width, int height, bool greyed = false) const;

  // A 32-bit top-down DIB section of the picture. Image lists want straight alpha; AlphaBlend
  // wants premultiplied alpha.
  HBITMAP CreateDib(bool premultiplied) const;

 private:
  void Reset();

  Gdiplus::GpImage* image_ = nullptr;
  IStream* stream_ = nullptr;  // decoded pictures may read their stream until disposed
  int status_ = 0;
};

}  // namespace wnd
