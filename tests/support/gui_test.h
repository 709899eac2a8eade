// Helpers for in-process tests of windows (Windows build only, header-only): the common
// controls and the image library started once, message pumping, a host window, pixels of a
// window read back through PrintWindow, and pictures made on the spot.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/gdiplus_session.h"
#include "framework/rich_edit.h"
#include "framework/window.h"

namespace xr::test {

// Common controls of every class, the rich edit library and GDI+ for the whole test process.
inline void StartGui() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    wnd::RichEdit::LoadModule();
    static wnd::GdiplusSession session;
    return session.ok();
  }();
  (void)started;
}

// Dispatches whatever is queued, without waiting.
inline void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Dispatches messages until `done` holds or `milliseconds` have passed; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 2000) {
  const DWORD end = GetTickCount() + milliseconds;
  while (!done()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    PumpPending();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// A plain top-level window of the layer's own class that hosts the controls under test; the
// handler may look at every message first.
class HostWindow : public wnd::Window {
 public:
  explicit HostWindow(int width = 640, int height = 480) {
    Create(nullptr, L"test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, RECT{0, 0, width, height});
  }
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (onMessage && onMessage(message, wParam, lParam, result)) return result;
    return Window::WindowProc(message, wParam, lParam);
  }
};

// The client area of a window as drawn by the window itself (PrintWindow) onto a ground of
// `ground`, which shows wherever the window leaves pixels alone.
class Pixels {
 public:
  explicit Pixels(HWND window, COLORREF ground = RGB(0, 0, 0)) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    if (width_ <= 0 || height_ <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, width_, height_};
    HBRUSH groundBrush = CreateSolidBrush(ground);
    FillRect(dc, &all, groundBrush);
    DeleteObject(groundBrush);
    PrintWindow(window, dc, PW_CLIENTONLY);
    GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(source, source + static_cast<size_t>(width_) * height_);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  // As a COLORREF, so it compares with RGB() and GetSysColor().
  COLORREF at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of the rectangle differ from `colour`.
  int CountOther(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += at(x, y) != colour ? 1 : 0;
    }
    return count;
  }
  // The smallest rectangle holding every pixel that differs from `colour`; empty when none.
  RECT BoundsOfOther(COLORREF colour) const {
    RECT bounds{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (at(x, y) == colour) continue;
        bounds.left = std::min<LONG>(bounds.left, x);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.right = std::max<LONG>(bounds.right, x + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
      }
    }
    if (bounds.right == 0) return RECT{};
    return bounds;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// A picture drawn by `paint` on a GDI+ bitmap, encoded in a format the system's encoders know
// ("image/png", "image/jpeg", "image/bmp", "image/gif") and written to `path`.
inline bool WritePicture(const std::wstring& path, const wchar_t* mimeType, int width, int height,
                         const std::function<void(HDC)>& paint) {
  using namespace Gdiplus::DllExports;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  SelectObject(dc, old);
  DeleteDC(dc);

  bool written = false;
  Gdiplus::GpBitmap* image = nullptr;
  if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
    UINT count = 0, size = 0;
    GdipGetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (size && GdipGetImageEncoders(count, size, codecs) == Gdiplus::Ok) {
      for (UINT i = 0; i < count; ++i) {
        if (lstrcmpiW(codecs[i].MimeType, mimeType) != 0) continue;
        written =
            GdipSaveImageToFile(image, path.c_str(), &codecs[i].Clsid, nullptr) == Gdiplus::Ok;
        break;
      }
    }
    GdipDisposeImage(image);
  }
  DeleteObject(bitmap);
  return written;
}

// An enhanced metafile drawn by `paint` on a frame of `width` x `height` pixels.
inline bool WriteMetafile(const std::wstring& path, int width, int height,
                          const std::function<void(HDC)>& paint) {
  HDC screen = GetDC(nullptr);
  // The frame is given in 0.01 mm.
  const int mmX = GetDeviceCaps(screen, HORZSIZE), mmY = GetDeviceCaps(screen, VERTSIZE);
  const int pxX = GetDeviceCaps(screen, HORZRES), pxY = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(nullptr, screen);
  RECT frame{0, 0, width * mmX * 100 / pxX, height * mmY * 100 / pxY};
  HDC dc = CreateEnhMetaFileW(nullptr, path.c_str(), &frame, nullptr);
  if (!dc) return false;
  paint(dc);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) return false;
  DeleteEnhMetaFile(metafile);
  return true;
}

// Fills a rectangle with a colour.
inline void Fill(HDC dc, RECT rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// A Windows path for a file in the scratch folder, as the system's functions want it.
inline std::wstring WidePath(const std::filesystem::path& path) { return path.wstring(); }

}  // namespace xr::test
