// Off-screen painting of gallery pages and the workspace fonts.
#include "page.h"

#include "framework/gdi.h"
#include "gallery_art.h"

namespace gallery {

void Page::OnDraw(HDC dc) {
  const RECT client = ClientRect();
  wnd::MemoryDc buffer(dc, wnd::Width(client), wnd::Height(client));
  HDC target = buffer.ok() ? buffer.get() : dc;
  wnd::FillSolid(target, client, kWindowBackground);
  Paint(target, client);
  if (buffer.ok()) {
    BitBlt(dc, 0, 0, wnd::Width(client), wnd::Height(client), buffer.get(), 0, 0, SRCCOPY);
  }
}

bool Page::OnEraseBackground(HDC) { return true; }

HBRUSH Page::OnCtlColor(HDC dc, HWND child, UINT message) {
  const int id = GetDlgCtrlID(child);
  if (id != 9 && id != 16) return View::OnCtlColor(dc, child, message);
  static const HBRUSH background = CreateSolidBrush(kWindowBackground);
  SetBkMode(dc, TRANSPARENT);
  SetBkColor(dc, kWindowBackground);
  return background;
}

HFONT LabelFont() {
  static const HFONT font =
      CreateFontW(16, 0, 0, 0, 700, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0x20, L"Arial");
  return font;
}

HFONT FieldFont() {
  static const HFONT font = CreateFontW(18, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                        0, 0, 0x20, L"Times New Roman");
  return font;
}

}  // namespace gallery
