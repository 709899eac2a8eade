// Where every control of the workspace window goes for a client size: the fixed placement table,
// and the band below the destination row shared by the activity log and the progress area.
#pragma once

#include <windows.h>

#include <optional>

// Which rows of the progress area are visible when the layout is made.
enum class ProgressRows { None, Both, TotalOnly };

struct WorkspacePlacement {
  RECT selectButton, removeButton, repairButton;
  RECT previewLabel, sourceList, preview;
  RECT destinationLabel, destination, browseButton, saveButton, extractMedia;
  RECT stopButton, exitButton, instructions;
  RECT activityLog;
  // Rows of the progress area that are placed; a row left out keeps its last place.
  std::optional<RECT> fileLabel, fileBar, totalLabel, totalBar;
  // The size the list's background picture is scaled to.
  SIZE listBackground;
};

// The placement for a client area of `width` by `height` pixels. Widths and heights that the
// table would make negative (a window smaller than any the frame allows) are 0.
WorkspacePlacement PlaceWorkspace(int width, int height, ProgressRows rows);
