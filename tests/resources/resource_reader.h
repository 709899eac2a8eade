// Test helpers that read the program's resources from the running executable: raw bytes,
// bitmaps as pixels, and PNG images decoded through the GDI+ flat API.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace xr::resources_test {

// The bytes of resource (id, type) of this executable; empty when it is missing.
std::span<const std::uint8_t> ResourceBytes(int id, const wchar_t* type);

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A bitmap resource loaded as a top-down copy of its pixels.
struct Pixels {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<Rgb> rgb;
  Rgb At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};
std::optional<Pixels> LoadBitmapPixels(int id);

// A PNG resource decoded by GDI+: size and straight (not premultiplied) ARGB per pixel, top-down.
struct DecodedImage {
  unsigned width = 0;
  unsigned height = 0;
  std::vector<std::uint32_t> argb;
  std::uint32_t Alpha(unsigned x, unsigned y) const { return argb[y * width + x] >> 24; }
};
std::optional<DecodedImage> DecodePngResource(int id);


}  // namespace xr::resources_test
