// Decoding and drawing of pictures through the GDI+ flat API.
#include "framework/gdiplus_image.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <limits>
#include <utility>

using namespace Gdiplus::DllExports;

namespace wnd {

GdiplusImage::~GdiplusImage() { Reset(); }

GdiplusImage::GdiplusImage(GdiplusImage&& other) noexcept
    : image_(std::exchange(other.image_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)),
      status_(std::exchange(other.status_, 0)) {}

GdiplusImage& GdiplusImage::operator=(GdiplusImage&& other) noexcept {
  if (this != &other) {
    Reset();
    image_ = std::exchange(other.image_, nullptr);
    stream_ = std::exchange(other.stream_, nullptr);
    status_ = std::exchange(other.status_, 0);
  }
  return *this;
}

void GdiplusImage::Reset() {
  if (image_) GdipDisposeImage(image_);
  image_ = nullptr;
  if (stream_) stream_->Release();
  stream_ = nullptr;
  status_ = 0;
}

GdiplusImage GdiplusImage::FromFile(const std::wstring& path) {
  GdiplusImage picture;
  picture.status_ = GdipLoadImageFromFile(path.c_str(), &picture.image_);
  if (picture.status_ != Gdiplus::Ok) picture.image_ = nullptr;
  return picture;
}

GdiplusImage GdiplusImage::FromBytes(const void* data, std::size_t size) {
  GdiplusImage picture;
  picture.status_ = Gdiplus::InvalidParameter;
  if (!data || size == 0 || size > std::numeric_limits<UINT>::max()) return picture;
  picture.stream_ = SHCreateMemStream(static_cast<const BYTE*>(data), static_cast<UINT>(size));
  if (!picture.stream_) {
    picture.status_ = Gdiplus::OutOfMemory;
    return picture;
  }
  picture.status_ = GdipLoadImageFromStream(picture.stream_, &picture.image_);
  if (picture.status_ != Gdiplus::Ok) picture.image_ = nullptr;
  return picture;
}

GdiplusImage GdiplusImage::FromResource(UINT id, const wchar_t* type, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) {
    GdiplusImage missing;
    missing.status_ = Gdiplus::FileNotFound;
    return missing;
  }
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return FromBytes(bytes, bytes ? size : 0);
}

UINT GdiplusImage::Width() const {
  UINT width = 0;
  if (image_) GdipGetImageWidth(image_, &width);
  return width;
}

UINT GdiplusImage::Height() const {
  UINT height = 0;
  if (image_) GdipGetImageHeight(image_, &height);
  return height;
}

bool GdiplusImage::Draw(HDC dc, int x, int y, int width, int height, bool greyed) const {
  if (!image_) return false;
  Gdiplus::GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return false;
  Gdiplus::GpStatus status;
  if (!greyed) {
    status = GdipDrawImageRectI(graphics, image_, x, y, width, height);
  } else {
    // Luminance into every channel, alpha at 45 %.
    const Gdiplus::ColorMatrix matrix = {{
        {0.30f, 0.30f, 0.30f, 0.0f, 0.0f},
        {0.59f, 0.59f, 0.59f, 0.0f, 0.0f},
        {0.11f, 0.11f, 0.11f, 0.0f, 0.0f},
        {0.0f, 0.0f, 0.0f, 0.45f, 0.0f},
        {0.0f, 0.0f, 0.0f, 0.0f, 1.0f},
    }};
    Gdiplus::GpImageAttributes* attributes = nullptr;
    status = GdipCreateImageAttributes(&attributes);
    if (status == Gdiplus::Ok) {
      GdipSetImageAttributesColorMatrix(attributes, Gdiplus::ColorAdjustTypeDefault, TRUE, &matrix,
                                        nullptr, Gdiplus::ColorMatrixFlagsDefault);
      status = GdipDrawImageRectRectI(graphics, image_, x, y, width, height, 0, 0,
                                      static_cast<INT>(Width()), static_cast<INT>(Height()),
                                      Gdiplus::UnitPixel, attributes, nullptr, nullptr);
      GdipDisposeImageAttributes(attributes);
    }
  }
  GdipDeleteGraphics(graphics);
  return status == Gdiplus::Ok;
}

HBITMAP GdiplusImage::CreateDib(bool premultiplied) const {
  const UINT width = Width();
  const UINT height = Height();
  if (!image_ || width == 0 || height == 0 || width > 0x4000 || height > 0x4000) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, like GDI+ scan lines
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return dib;
  // A GDI+ bitmap over the section's own memory: drawing into it fills the section directly in the
  // wanted alpha format.
  Gdiplus::GpBitmap* target = nullptr;
  const Gdiplus::PixelFormat format = premultiplied ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
  bool drawn = false;
  if (GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height),
                                static_cast<INT>(width * 4), format, static_cast<BYTE*>(bits),
                                &target) == Gdiplus::Ok) {
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(target, &graphics) == Gdiplus::Ok) {
      GdipGraphicsClear(graphics, 0);
      drawn = GdipDrawImageRectI(graphics, image_, 0, 0, static_cast<INT>(width),
                                 static_cast<INT>(height)) == Gdiplus::Ok;
      GdipDeleteGraphics(graphics);
    }
    GdipDisposeImage(target);
  }
  if (!drawn) {
    DeleteObject(dib);
    return nullptr;
  }
  return dib;
}

}  // namespace wnd
