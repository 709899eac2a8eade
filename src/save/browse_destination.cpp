// The browse command's rule for a picked path.
#include "save/browse_destination.h"

#include "platform/folder.h"
#include "platform/text.h"

namespace xr::save {
namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::optional<std::string> PickedDestination(std::string_view picked) {
  while (!picked.empty() && IsWhiteSpace(picked.front())) picked.remove_prefix(1);
  while (!picked.empty() && IsWhiteSpace(picked.back())) picked.remove_suffix(1);
  if (picked.empty() || !platform::IsFolder(platform::PathFromUtf8(picked))) return std::nullopt;
  return std::string(picked);
}

}  // namespace xr::save
