// Drawing the nine looks with the painter the layer itself uses.
#include "looks_page.h"

#include <string>

#include "framework/gdi.h"
#include "framework/gdiplus_image.h"
#include "framework/look.h"
#include "framework/look_painter.h"
#include "gallery_art.h"
#include "resource.h"

namespace gallery {
namespace {

constexpr int kSwatchWidth = 410;
constexpr int kSwatchHeight = 205;

void Text(HDC dc, const RECT& rect, const std::wstring& text, COLORREF colour, UINT format) {
  RECT area = rect;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            format | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintSwatch(HDC dc, int left, int top, const wnd::Look& look, bool current) {
  const RECT frame{left, top, left + kSwatchWidth, top + kSwatchHeight};
  wnd::SelectScope font(dc, GetStockObject(DEFAULT_GUI_FONT));

  // Menu band and tool band.
  const RECT menu{frame.left, frame.top + 18, frame.right, frame.top + 38};
  wnd::PaintBand(dc, menu, look);
  Text(dc, RECT{menu.left + 8, menu.top, menu.right, menu.bottom}, L"File     Help     Look",
       look.band.text, DT_LEFT | DT_VCENTER);
  const RECT tools{frame.left, menu.bottom, frame.right, menu.bottom + 40};
  wnd::PaintBand(dc, tools, look);
  const wnd::GdiplusImage strip = wnd::GdiplusImage::FromResource(IDB_PNG_TOOLBAR, L"PNG");
  const RECT hot{tools.left + 4 + 34, tools.top + 3, tools.left + 4 + 68, tools.bottom - 4};
  wnd::PaintButtonFace(dc, hot, look, wnd::ButtonVisual::Hot, false);
  if (strip) strip.Draw(dc, tools.left + 6, tools.top + 4, 7 * 32, 32);

  // Client with buttons in their four states.
  const RECT body{frame.left, tools.bottom, frame.right, frame.bottom - 22};
  wnd::FillSolid(dc, body, kWindowBackground);
  const struct {
    const wchar_t* caption;
    UINT png;
    wnd::ButtonVisual visual;
  } buttons[] = {{L"Normal", IDB_PNG_SELECT_FILES, wnd::ButtonVisual::Normal},
                 {L"Hot", IDB_PNG_REPAIR_FILES, wnd::ButtonVisual::Hot},
                 {L"Pressed", IDB_PNG_STOP, wnd::ButtonVisual::Pressed},
                 {L"Disabled", IDB_PNG_SAVE, wnd::ButtonVisual::Disabled}};
  int x = body.left + 10;
  for (const auto& b : buttons) {
    const RECT face{x, body.top + 30, x + 92, body.top + 58};
    wnd::PaintButtonFace(dc, face, look, b.visual, b.visual == wnd::ButtonVisual::Normal);
    const wnd::GdiplusImage image = wnd::GdiplusImage::FromResource(b.png, L"PNG");
    if (image)
      image.Draw(dc, face.left + 6, face.top + 4, 20, 20, b.visual == wnd::ButtonVisual::Disabled);
    Text(dc, RECT{face.left + 30, face.top, face.right, face.bottom}, b.caption,
         wnd::ButtonTextColour(look, b.visual), DT_LEFT | DT_VCENTER);
    x += 98;
  }

  // Status bar with its panes.
  const RECT status{frame.left, frame.bottom - 22, frame.right, frame.bottom};
  wnd::PaintStatusBackground(dc, status, look);
  const int edges[] = {status.left + 260, status.left + 300, status.left + 340};
  int paneLeft = status.left;
  const wchar_t* texts[] = {L"Tandrel xlsx Repair", L"CAP", L"NUM"};
  for (int i = 0; i < 3; ++i) {
    const RECT pane{paneLeft, status.top, edges[i], status.bottom};
    wnd::PaintStatusPane(dc, pane, look);
    Text(dc, RECT{pane.left + 4, pane.top, pane.right - 4, pane.bottom}, texts[i], look.status.text,
         (i == 0 ? DT_LEFT : DT_CENTER) | DT_VCENTER);
    paneLeft = edges[i];
  }

  // Frame edge and title.
  wnd::Brush edge(CreateSolidBrush(look.band.edge));
  FrameRect(dc, &frame, edge.get());
  const std::wstring title =
      std::to_wstring(look.id) + L"  " + look.name + (current ? L"   (in force)" : L"");
  Caption(dc, frame.left + 4, frame.top + 1, title);
}

}  // namespace

void LooksPage::Paint(HDC dc, const RECT&) {
  for (UINT id = wnd::kLookFirst; id <= wnd::kLookLast; ++id) {
    const int index = static_cast<int>(id - wnd::kLookFirst);
    PaintSwatch(dc, 10 + (index % 3) * (kSwatchWidth + 12), 8 + (index / 3) * (kSwatchHeight + 10),
                wnd::LookFor(id), id == wnd::CurrentLookId());
  }
}

}  // namespace gallery
