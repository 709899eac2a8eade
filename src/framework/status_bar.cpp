// Status bar wrapper: pane layout, indicators and look-coloured drawing.
#include "framework/status_bar.h"

#include <algorithm>

#include "framework/gdi.h"
#include "framework/look_painter.h"

namespace wnd {
namespace {

struct Indicator {
  const wchar_t* name;
  int key;
};
constexpr Indicator kIndicators[3] = {
    {L"CAP", VK_CAPITAL}, {L"NUM", VK_NUMLOCK}, {L"SCRL", VK_SCROLL}};
constexpr int kTextPadding = 12;

}  // namespace

bool StatusBar::Create(HWND parent, UINT id) {
  if (!CreateControl(STATUSCLASSNAMEW, parent, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                     RECT{}, id)) {
    return false;
  }
  Layout();
  UpdateIndicators();
  return true;
}

void StatusBar::SetIdleText(std::wstring text) {
  idleText_ = std::move(text);
  ShowIdleText();
}

void StatusBar::ShowIdleText() { SetPaneText(0, idleText_); }

void StatusBar::SetPaneText(int pane, std::wstring_view text) {
  if (!hwnd() || pane < 0 || pane >= kPaneCount) return;
  const std::wstring copy(text);
  if (PaneText(pane) == copy) return;
  Send(SB_SETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(copy.c_str()));
}

std::wstring StatusBar::PaneText(int pane) const {
  if (!hwnd() || pane < 0 || pane >= kPaneCount) return {};
  const auto length = LOWORD(Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane)));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  Send(SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcsnlen(text.c_str(), length));
  return text;
}

void StatusBar::SetFirstPaneWidth(int width) {
  firstPaneWidth_ = std::max(0, width);
  Layout();
}

std::vector<int> StatusBar::PaneEdges() const {
  int edges[kPaneCount] = {};
  const int count =
      static_cast<int>(Send(SB_GETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + std::clamp(count, 0, kPaneCount));
}

int StatusBar::IndicatorWidth(int indicator) const {
  ClientDc dc(hwnd());
  HFONT font = Font();
  SelectScope select(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  const wchar_t* name = kIndicators[indicator].name;
  GetTextExtentPoint32W(dc.get(), name, static_cast<int>(wcslen(name)), &size);
  return size.cx + kTextPadding;
}

void StatusBar::Layout() {
  if (!hwnd()) return;
  const RECT client = ClientRect();
  int grip = 0;
  if ((GetWindowLongW(hwnd(), GWL_STYLE) & SBARS_SIZEGRIP) &&
      !IsZoomed(GetAncestor(hwnd(), GA_ROOT))) {
    grip = GetSystemMetrics(SM_CXVSCROLL);
  }
  int widths[3];
  int indicators = 0;
  for (int i = 0; i < 3; ++i) indicators += widths[i] = IndicatorWidth(i);
  int edges[kPaneCount];
  edges[0] = std::max(firstPaneWidth_, Width(client) - grip - indicators);
  for (int i = 0; i < 3; ++i) edges[i + 1] = edges[i] + widths[i];
  edges[kPaneCount - 1] = -1;
  Send(SB_SETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::UpdateIndicators() {
  for (int i = 0; i < 3; ++i) {
    const int on = (GetKeyState(kIndicators[i].key) & 1) ? 1 : 0;
    if (on == indicatorShown_[i]) continue;
    indicatorShown_[i] = on;
    SetPaneText(i + 1, on ? kIndicators[i].name : L"");
  }
}

void StatusBar::OnSize(UINT type, int width, int height) {
  Window::OnSize(type, width, height);
  Layout();
  Invalidate(false);
}

void StatusBar::OnPaint() {
  PaintDc dc(hwnd());
  const RECT client = ClientRect();
  MemoryDc buffer(dc.get(), Width(client), Height(client));
  if (!buffer.ok()) {
    PaintContent(dc.get());
    return;
  }
  PaintContent(buffer.get());
  BitBlt(dc.get(), 0, 0, Width(client), Height(client), buffer.get(), 0, 0, SRCCOPY);
}

void StatusBar::OnPrintClient(HDC dc, UINT) { PaintContent(dc); }

bool StatusBar::OnEraseBackground(HDC) { return true; }

void StatusBar::PaintContent(HDC dc) {
  const Look& look = CurrentLook();
  const RECT client = ClientRect();
  PaintStatusBackground(dc, client, look);
  HFONT font = Font();
  SelectScope select(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.status.text);
  for (int pane = 0; pane < kPaneCount; ++pane) {
    RECT rect{};
    if (!Send(SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect))) continue;
    if (pane < kPaneCount - 1) PaintStatusPane(dc, rect, look);
    const std::wstring text = PaneText(pane);
    if (text.empty()) continue;
    RECT inside = rect;
    InflateRect(&inside, -4, 0);
    const UINT align = pane == 0 ? DT_LEFT : DT_CENTER;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if ((GetWindowLongW(hwnd(), GWL_STYLE) & SBARS_SIZEGRIP) &&
      !IsZoomed(GetAncestor(hwnd(), GA_ROOT))) {
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    RECT grip{client.right - size, client.bottom - size, client.right, client.bottom};
    DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  }
}

}  // namespace wnd
