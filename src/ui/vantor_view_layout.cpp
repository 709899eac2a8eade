// The workspace placement table.
#include "ui/vantor_view_layout.h"

#include <algorithm>

namespace {

RECT At(int x, int y, int width, int height) {
  return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

}  // namespace

WorkspacePlacement PlaceWorkspace(int width, int height, ProgressRows rows) {
  const int w = width, h = height;
  const int m = h / 2;
  WorkspacePlacement p{};
  p.selectButton = At(10, 80, 100, 28);
  p.removeButton = At(115, 80, 100, 28);
  p.repairButton = At(220, 80, 100, 28);
  p.previewLabel = At(w - 210, 95, 90, 16);
  p.sourceList = At(10, 113, w - 230, m - 88);
  p.preview = At(w - 210, 113, 200, m - 88);
  p.destinationLabel = At(10, m + 30, 290, 26);
  p.destination = At(305, m + 32, w - 585, 22);
  p.browseButton = At(w - 275, m + 30, 50, 26);
  p.saveButton = At(w - 220, m + 30, 70, 26);
  p.extractMedia = At(w - 145, m + 30, 135, 26);
  p.stopButton = At(w - 130, h - 40, 60, 30);
  p.exitButton = At(w - 65, h - 40, 55, 30);
  p.instructions = At(75, h - 50, 310, 45);
  p.listBackground = SIZE{std::max(w - 230, 0), std::max(m - 73, 0)};

  const int top = m + 61;
  switch (rows) {
    case ProgressRows::None:
      p.activityLog = At(10, top, w - 20, h - m - 131);
      break;
    case ProgressRows::Both: {
      const int bottom = h - 105;
      p.activityLog = At(10, top, w - 20, bottom - top);
      p.fileLabel = At(10, bottom + 5, 150, 18);
      p.fileBar = At(165, bottom + 5, w - 175, 13);
      p.totalLabel = At(10, bottom + 28, 150, 18);
      p.totalBar = At(165, bottom + 28, w - 175, 13);
      break;
    }
    case ProgressRows::TotalOnly: {
      const int bottom = h - 90;
      p.activityLog = At(10, top, w - 20, bottom - top);
      p.totalLabel = At(10, bottom + 5, 150, 18);
      p.totalBar = At(165, bottom + 5, w - 175, 13);
      break;
    }
  }
  return p;
}
