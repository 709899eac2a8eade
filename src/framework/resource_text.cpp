// String table access through the module of the layer's resources.
#include "framework/resource_text.h"

namespace wnd {
namespace {

HMODULE g_resourceModule = nullptr;

}  // namespace

HMODULE ResourceModule() { return g_resourceModule ? g_resourceModule : GetModuleHandleW(nullptr); }

void SetResourceModule(HMODULE module) { g_resourceModule = module; }

std::wstring LoadText(UINT id) {
  // With a zero buffer size LoadStringW hands out a pointer into the resource itself, so strings
  // of any length come back whole.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return {};
  return std::wstring(text, static_cast<size_t>(length));
}

std::wstring CommandPrompt(UINT id) {
  const std::wstring text = LoadText(id);
  return text.substr(0, text.find(L'\n'));
}

std::wstring CommandTip(UINT id) {
  const std::wstring text = LoadText(id);
  const size_t feed = text.find(L'\n');
  return feed == std::wstring::npos ? std::wstring() : text.substr(feed + 1);
}

}  // namespace wnd
