#include <windows.h>

#include "support/system/system_info_error.h"

namespace {
std::string SystemText(DWORD code) {
  char* buffer = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD length = FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&buffer),
                                      0, nullptr);
  std::string text(buffer ? buffer : "", length);
  LocalFree(buffer);
  return text;
}
}  // namespace

void RaiseOSError(uint32_t code) { throw OSError(code, OSErrorMessage(code, SystemText(code))); }

void RaiseLastOSError() { RaiseOSError(GetLastError()); }
