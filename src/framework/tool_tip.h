// The system's tooltip control, with tools that are whole windows.
// https://learn.microsoft.com/windows/win32/controls/tooltip-controls
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/look.h"
#include "framework/window.h"

namespace wnd {

class ToolTip : public Window {
 public:
  bool Create(HWND owner);
  // A tool covering the whole window `tool`; the tooltip watches the tool's mouse messages itself.
  bool AddTool(HWND tool, std::wstring_view text);
  void SetToolText(HWND tool, std::wstring_view text);
  std::wstring ToolText(HWND tool) const;
  int ToolCount() const;
  // Tip colours of a look (honoured when the tooltip is not drawn by the system's theme).
  void ApplyLook(const Look& look);
};

}  // namespace wnd
