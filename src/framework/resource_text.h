// Texts of the string table, and the two halves of a command's text ("prompt\ntip").
#pragma once

#include <windows.h>

#include <string>

namespace wnd {

// The module whose resources the layer loads: the executable unless set otherwise.
HMODULE ResourceModule();
void SetResourceModule(HMODULE module);

// String `id` of the string table; empty when there is none.
std::wstring LoadText(UINT id);

// A command's text holds its status-bar prompt, a line feed and its tooltip. The prompt is the
// part before the line feed (all of it when there is none); the tip the part after it (empty when
// there is none).
std::wstring CommandPrompt(UINT id);
std::wstring CommandTip(UINT id);

}  // namespace wnd
