// Resources that are data rather than pictures: the engine's content-types template, present once
// through the program's script, and the manifest that selects common controls version 6.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <string_view>

#include "resource.h"
#include "resource_reader.h"

namespace xr::resources_test {
namespace {

std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(ResourceData, ContentTypesTemplateIsThe1304ByteDocument) {
  auto bytes = ResourceBytes(IDR_CONTENT_TYPES, RT_RCDATA);
  ASSERT_EQ(bytes.size(), 1304u);
  auto text = AsText(bytes);
  EXPECT_TRUE(text.starts_with("<?xml")) << text.substr(0, 40);
  EXPECT_NE(text.find("<Types"), std::string_view::npos);
}

TEST(ResourceManifest, AsksForCommonControls6AndGetsThem) {
  auto manifest = AsText(ResourceBytes(1, RT_MANIFEST));
  ASSERT_FALSE(manifest.empty()) << "no manifest 1";
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string_view::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string_view::npos);

  // The version that DllGetVersion reports is not reliable under every host; where the library was
  // loaded from is: version 6 lives in the side-by-side store, version 5 in the system folder.
  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
  std::wstring lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
  EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << "comctl32 loaded from " << lower;
  EXPECT_NE(lower.find(L"_6.0."), std::wstring::npos) << "comctl32 loaded from " << lower;
}

}  // namespace
}  // namespace xr::resources_test
