// Reads resources of the running executable for the resource tests.
#include "resource_reader.h"

#include <objidl.h>
#include <shlwapi.h>

// The few GDI+ flat functions the tests need, declared here: the SDK's GDI+ headers pull in C++
// wrappers that do not build with NOMINMAX.
extern "C" {
struct XrGdiplusStartupInput {
  UINT32 version;
  void* debugEventCallback;
  BOOL suppressBackgroundThread;
  BOOL suppressExternalCodecs;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const XrGdiplusStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateBitmapFromStream(IStream* stream, void** bitmap);
int WINAPI GdipGetImageWidth(void* image, UINT* width);
int WINAPI GdipGetImageHeight(void* image, UINT* height);
int WINAPI GdipBitmapGetPixel(void* bitmap, INT x, INT y, DWORD* argb);
int WINAPI GdipDisposeImage(void* image);
}

namespace xr::resources_test {
namespace {

// One GDI+ session for the whole test run; it ends with the process.
bool StartGdiplus() {
  static const bool started = [] {
    XrGdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ULONG_PTR token = 0;
    return GdiplusStartup(&token, &input, nullptr) == 0;
  }();
  return started;
}

}  // namespace

std::span<const std::uint8_t> ResourceBytes(int id, const wchar_t* type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

std::optional<Pixels> LoadBitmapPixels(int id) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return std::nullopt;
  DIBSECTION dib{};
  std::optional<Pixels> result;
  if (GetObjectW(bitmap, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits && dib.dsBm.bmBitsPixel >= 24) {
    Pixels p;
    p.width = dib.dsBm.bmWidth;
    p.height = dib.dsBm.bmHeight;
    p.bitsPerPixel = dib.dsBm.bmBitsPixel;
    const int bytesPerPixel = p.bitsPerPixel / 8;
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    p.rgb.reserve(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
      const std::uint8_t* row = bits + static_cast<size_t>(bottomUp ? p.height - 1 - y : y) * dib.dsBm.bmWidthBytes;
      for (int x = 0; x < p.width; ++x) {
        const std::uint8_t* px = row + static_cast<size_t>(x) * bytesPerPixel;
        p.rgb.push_back({px[2], px[1], px[0]});
      }
    }
    result = std::move(p);
  }
  DeleteObject(bitmap);
  return result;
}

std::optional<DecodedImage> DecodePngResource(int id) {
  auto bytes = ResourceBytes(id, L"PNG");
  if (bytes.empty() || !StartGdiplus()) return std::nullopt;
  IStream* stream = SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
  if (!stream) return std::nullopt;
  void* bitmap = nullptr;
  const int status = GdipCreateBitmapFromStream(stream, &bitmap);
  stream->Release();
  if (status != 0 || !bitmap) return std::nullopt;
  DecodedImage image;
  std::optional<DecodedImage> result;
  if (GdipGetImageWidth(bitmap, &image.width) == 0 && GdipGetImageHeight(bitmap, &image.height) == 0) {
    image.argb.resize(static_cast<size_t>(image.width) * image.height);
    bool ok = true;
    for (UINT y = 0; ok && y < image.height; ++y)
      for (UINT x = 0; ok && x < image.width; ++x) {
        DWORD argb = 0;
        ok = GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &argb) == 0;
        image.argb[y * image.width + x] = argb;
      }
    if (ok) result = std::move(image);
  }
  GdipDisposeImage(bitmap);
  return result;
}

}  // namespace xr::resources_test
