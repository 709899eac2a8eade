// Per-user settings of the application in the registry: values under
// HKEY_CURRENT_USER\Software\<registry key>\<application name>.
#pragma once

#include <windows.h>

#include <string>

namespace wnd {

class Settings {
 public:
  Settings(std::wstring registryKey, std::wstring applicationName);

  // The key below HKEY_CURRENT_USER.
  const std::wstring& KeyPath() const { return keyPath_; }

  // A DWORD value, or `fallback` when it is missing or of another type.
  int ReadInt(const wchar_t* name, int fallback) const;
  bool WriteInt(const wchar_t* name, int value) const;

 private:
  std::wstring keyPath_;
};

}  // namespace wnd
