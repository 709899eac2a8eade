// Environment changes behind TempFolderOverride.
#include "support/temp_folder_override.h"

#include <cstdlib>

#include "platform/text.h"

namespace xr::test {
namespace {

#ifdef _WIN32
constexpr const char* kVariables[] = {"TMP", "TEMP"};
// msvcrt's _wputenv_s also sets the process environment that GetTempPathW reads.
void Set(const std::string& name, const std::optional<std::string>& value) {
  _wputenv_s(platform::Widen(name).c_str(), value ? platform::Widen(*value).c_str() : L"");
}
std::optional<std::string> Get(const std::string& name) {
  const wchar_t* value = _wgetenv(platform::Widen(name).c_str());
  if (!value) return std::nullopt;
  return platform::Narrow(value);
}
#else
constexpr const char* kVariables[] = {"TMPDIR"};
void Set(const std::string& name, const std::optional<std::string>& value) {
  if (value)
    setenv(name.c_str(), value->c_str(), 1);
  else
    unsetenv(name.c_str());
}
std::optional<std::string> Get(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}
#endif

}  // namespace

TempFolderOverride::TempFolderOverride(const std::filesystem::path& folder) {
  std::string text = platform::Utf8FromPath(folder);
#ifdef _WIN32
  if (!text.empty() && text.back() != '\\') text += '\\';
#endif
  for (const char* name : kVariables) {
    saved_.emplace_back(name, Get(name));
    Set(name, text);
  }
}

TempFolderOverride::~TempFolderOverride() {
  for (const auto& [name, value] : saved_) Set(name, value);
}

}  // namespace xr::test
