// CEstProgressCtrl: a progress bar that paints itself and writes, centred on the bar, how far the
// work is and when it is expected to end. The estimate is recomputed at every paint; there is no
// timer.
#pragma once

#include <windows.h>

#include <string>

#include "engine/completion_estimate.h"
#include "framework/progress_bar.h"

class CEstProgressCtrl : public wnd::ProgressBar {
 public:
  explicit CEstProgressCtrl(xr::engine::WallClock clock = xr::engine::SystemWallClock);

  // Before a new range: the next run measures its own pace, and no text shows until it advances.
  void ResetEstimate();

  // Empty while there is no estimate; otherwise "%.2f%% complete. Estimated completion: %s" with
  // the percentage and the expected end's time of day in the thread's locale.
  virtual std::wstring GetProgressText();

  const xr::engine::CompletionEstimate& Estimate() const { return estimate_; }

 protected:
  void OnPaint() override;
  void OnPrintClient(HDC dc, UINT flags) override;
  bool OnEraseBackground(HDC dc) override;

 private:
  void PaintContent(HDC dc);

  xr::engine::CompletionEstimate estimate_;
};
