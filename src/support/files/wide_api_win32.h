#pragma once
// Windows-side helpers of the wide-or-ANSI file functions.
#include <windows.h>

#include <utility>

// A search handle of FindFirstFile that closes itself.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(FindHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  FindHandle& operator=(FindHandle&&) = delete;
  ~FindHandle() {
    if (Valid()) FindClose(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

 private:
  HANDLE handle_;
};

// Copies an ANSI find record into the wide one: the leading fields unchanged, the two names
// converted from the ANSI code page (cut to fit, always terminated).
void AnsiFindDataToWide(const WIN32_FIND_DATAA& ansi, WIN32_FIND_DATAW* wide);
