// Tooltip wrapper.
#include "framework/tool_tip.h"

#include <string>
#include <vector>

namespace wnd {
namespace {

TTTOOLINFOW ToolInfo(HWND owner, HWND tool) {
  // The version-5 size is accepted with and without the version-6 common controls.
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  return info;
}

}  // namespace

bool ToolTip::Create(HWND owner) {
  if (!CreateControl(TOOLTIPS_CLASSW, owner, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                     WS_EX_TOPMOST, RECT{}, 0)) {
    return false;
  }
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ApplyLook(CurrentLook());
  return true;
}

bool ToolTip::AddTool(HWND tool, std::wstring_view text) {
  std::wstring copy(text);
  TTTOOLINFOW info = ToolInfo(GetParent(tool), tool);
  info.lpszText = copy.data();  // the tooltip keeps its own copy
  return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void ToolTip::SetToolText(HWND tool, std::wstring_view text) {
  std::wstring copy(text);
  TTTOOLINFOW info = ToolInfo(GetParent(tool), tool);
  info.lpszText = copy.data();
  Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring ToolTip::ToolText(HWND tool) const {
  std::vector<wchar_t> buffer(1024, L'\0');
  TTTOOLINFOW info = ToolInfo(GetParent(tool), tool);
  info.lpszText = buffer.data();
  Send(TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
  buffer.back() = L'\0';
  return buffer.data();
}

int ToolTip::ToolCount() const { return static_cast<int>(Send(TTM_GETTOOLCOUNT)); }

void ToolTip::ApplyLook(const Look& look) {
  Send(TTM_SETTIPBKCOLOR, look.tipBack);
  Send(TTM_SETTIPTEXTCOLOR, look.tipText);
}

}  // namespace wnd
