// The rule that only one copy of the application runs on the machine: a named mutex made while
// the program's static objects are constructed and held until the process ends.
#pragma once

#include <windows.h>

namespace xr::ui {

// The lock's name. A name with a backslash is only accepted inside a kernel namespace, so the
// product's GUID is placed in the global one: every session of the machine sees the same lock.
inline constexpr const wchar_t* kSingleInstanceName =
    L"Global\\{WSDEEBORQKQO60PT6999-Z660-3n5q-95S7-2WK055U623EEDMYPGESTPW}";

class SingleInstanceLock {
 public:
  // Creates (or opens) the mutex without taking ownership and keeps the creation's error code.
  explicit SingleInstanceLock(const wchar_t* name = kSingleInstanceName);
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when another process made the lock first: the mutex already existed, or it exists but
  // belongs to another user whose copy denies us access to it.
  bool AnotherInstanceRuns() const;
  DWORD CreationError() const { return error_; }
  HANDLE Handle() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
  DWORD error_ = ERROR_SUCCESS;
};

}  // namespace xr::ui
