#include <windows.h>

#include "support/system/system_error_text.h"

std::string SystemErrorText(uint32_t code) {
  char* buffer = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD length = FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&buffer),
                                      0, nullptr);
  std::string text = length != 0 ? std::string(buffer, length) : "";
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}
