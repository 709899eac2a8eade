// The system's status bar: a stretching text pane followed by the Caps Lock, Num Lock and
// Scroll Lock indicators, drawn in the colours of the current look.
// https://learn.microsoft.com/windows/win32/controls/status-bars
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/window.h"

namespace wnd {

class StatusBar : public Window {
 public:
  static constexpr int kPaneCount = 4;  // text, CAP, NUM, SCRL

  bool Create(HWND parent, UINT id = kIdStatusBar);

  // The text shown while no menu entry or toolbar button is pointed at.
  void SetIdleText(std::wstring text);
  const std::wstring& IdleText() const { return idleText_; }
  void ShowIdleText();

  void SetPaneText(int pane, std::wstring_view text);
  std::wstring PaneText(int pane) const;

  // The first pane takes what the indicators leave, and at least this width.
  void SetFirstPaneWidth(int width);
  int FirstPaneWidth() const { return firstPaneWidth_; }
  // Right edges of the panes as the control holds them (the last is -1: to the end).
  std::vector<int> PaneEdges() const;
  void Layout();

  // Shows each indicator's name while its lock is on and nothing while it is off.
  void UpdateIndicators();

 protected:
  void OnSize(UINT type, int width, int height) override;
  void OnPaint() override;
  void OnPrintClient(HDC dc, UINT flags) override;
  bool OnEraseBackground(HDC dc) override;

 private:
  void PaintContent(HDC dc);
  int IndicatorWidth(int indicator) const;

  std::wstring idleText_;
  int firstPaneWidth_ = 500;
  int indicatorShown_[3] = {-1, -1, -1};  // unknown until the first update
};

}  // namespace wnd
