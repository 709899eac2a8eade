// The toolbar resource (type 241): the picture size and the command of each button in order,
// 0 standing for a separator. Layout: WORD version (1), WORD width, WORD height, WORD count,
// then `count` WORD command ids.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace wnd {

inline constexpr WORD kToolBarResourceType = 241;

struct ToolBarLayout {
  int imageWidth = 0;
  int imageHeight = 0;
  std::vector<UINT> commands;  // 0: separator
};

// Nothing when the bytes are not a complete toolbar resource of version 1.
std::optional<ToolBarLayout> ParseToolBarResource(const void* data, std::size_t size);
std::optional<ToolBarLayout> LoadToolBarResource(UINT id, HMODULE module = nullptr);

}  // namespace wnd
