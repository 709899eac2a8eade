// Reading a toolbar resource.
#include "framework/toolbar_resource.h"

#include <cstring>

#include "framework/resource_text.h"

namespace wnd {
namespace {

WORD WordAt(const unsigned char* bytes, std::size_t index) {
  WORD value;
  std::memcpy(&value, bytes + index * sizeof(WORD), sizeof value);
  return value;
}

}  // namespace

std::optional<ToolBarLayout> ParseToolBarResource(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  constexpr std::size_t kHeaderWords = 4;
  if (!bytes || size < kHeaderWords * sizeof(WORD)) return std::nullopt;
  if (WordAt(bytes, 0) != 1) return std::nullopt;
  const WORD count = WordAt(bytes, 3);
  // The count comes from the resource; it must not reach past what is there.
  if (count > (size / sizeof(WORD)) - kHeaderWords) return std::nullopt;
  ToolBarLayout layout;
  layout.imageWidth = WordAt(bytes, 1);
  layout.imageHeight = WordAt(bytes, 2);
  if (layout.imageWidth == 0 || layout.imageHeight == 0) return std::nullopt;
  layout.commands.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    layout.commands.push_back(WordAt(bytes, kHeaderWords + i));
  return layout;
}

std::optional<ToolBarLayout> LoadToolBarResource(UINT id, HMODULE module) {
  if (!module) module = ResourceModule();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(kToolBarResourceType));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return ParseToolBarResource(bytes, SizeofResource(module, found));
}

}  // namespace wnd
