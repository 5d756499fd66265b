#pragma once
// The operating system's own error, raised as an exception with the system's message text.
#include <cstdint>
#include <stdexcept>
#include <string>

class OSError : public std::runtime_error {
 public:
  OSError(uint32_t code, const std::string& message);
  uint32_t Code() const { return code_; }

 private:
  uint32_t code_;
};

// "System Error. Code: <n>." followed by the system's description of the code, if it has one.
std::string OSErrorMessage(uint32_t code, const std::string& systemText);

// Raises OSError for the code, with the system's description of it (Windows only).
[[noreturn]] void RaiseOSError(uint32_t code);
// Raises OSError for GetLastError() (Windows only).
[[noreturn]] void RaiseLastOSError();
