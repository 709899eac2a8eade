// Reading and writing the application's per-user values.
#include "framework/settings.h"

#include <utility>

namespace wnd {

Settings::Settings(std::wstring registryKey, std::wstring applicationName)
    : keyPath_(L"Software\\" + std::move(registryKey) + L"\\" + std::move(applicationName)) {}

int Settings::ReadInt(const wchar_t* name, int fallback) const {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath_.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return fallback;
  }
  return static_cast<int>(value);
}

bool Settings::WriteInt(const wchar_t* name, int value) const {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD data = static_cast<DWORD>(value);
  const LONG result =
      RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace wnd
