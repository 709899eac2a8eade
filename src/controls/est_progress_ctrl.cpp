// The estimating progress bar.
#include "controls/est_progress_ctrl.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "framework/gdi.h"
#include "platform/text.h"

CEstProgressCtrl::CEstProgressCtrl(xr::engine::WallClock clock) : estimate_(std::move(clock)) {}

void CEstProgressCtrl::ResetEstimate() { estimate_.Reset(); }

std::wstring CEstProgressCtrl::GetProgressText() {
  if (!estimate_.HasEstimate()) return {};
  const __time64_t end = estimate_.EstimatedCompletion();
  std::tm local{};
  if (_localtime64_s(&local, &end) != 0) return {};
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(local.tm_year + 1900);
  time.wMonth = static_cast<WORD>(local.tm_mon + 1);
  time.wDay = static_cast<WORD>(local.tm_mday);
  time.wDayOfWeek = static_cast<WORD>(local.tm_wday);
  time.wHour = static_cast<WORD>(local.tm_hour);
  time.wMinute = static_cast<WORD>(local.tm_min);
  time.wSecond = static_cast<WORD>(local.tm_sec);
  wchar_t clock[128] = {};
  if (GetTimeFormatW(GetThreadLocale(), 0, &time, nullptr, clock, 128) == 0) clock[0] = L'\0';
  return xr::platform::Widen(
      xr::engine::ProgressText(estimate_.Fraction(), xr::platform::Narrow(clock)));
}

void CEstProgressCtrl::OnPaint() {
  wnd::PaintDc dc(hwnd());
  PaintContent(dc.get());
}

void CEstProgressCtrl::OnPrintClient(HDC dc, UINT) { PaintContent(dc); }

bool CEstProgressCtrl::OnEraseBackground(HDC) { return true; }

void CEstProgressCtrl::PaintContent(HDC dc) {
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);

  // An empty range (upper bound 0) counts as no progress: its quotient would be undefined.
  const PBRANGE range = Range();
  const int position = Position();
  double fraction = 0.0;
  if (range.iHigh > 0) fraction = std::clamp(static_cast<double>(position) / range.iHigh, 0.0, 1.0);
  estimate_.Update(fraction);

  const RECT client = ClientRect();
  wnd::FillSolid(dc, client, background);
  RECT done = client;
  done.right = client.left + static_cast<int>(client.right * fraction);
  wnd::FillSolid(dc, done, highlight);

  const std::wstring text = GetProgressText();
  if (text.empty()) return;
  // The text goes through a black bitmap copied with exclusive-or: black leaves the bar as it is,
  // text pixels come out white over the filled part and readable over the rest.
  const int width = wnd::Width(client), height = wnd::Height(client);
  wnd::MemoryDc overlay(dc, width, height);
  if (!overlay.ok()) return;
  PatBlt(overlay.get(), 0, 0, width, height, BLACKNESS);
  const HFONT font = Font();
  wnd::SelectScope selectFont(overlay.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(overlay.get(), TRANSPARENT);
  SetTextColor(overlay.get(), ~highlight & 0x00FFFFFF);
  RECT area = client;
  DrawTextW(overlay.get(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  BitBlt(dc, 0, 0, width, height, overlay.get(), 0, 0, SRCINVERT);
}
