#include "support/system/system_info_error.h"

OSError::OSError(uint32_t code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

std::string OSErrorMessage(uint32_t code, const std::string& systemText) {
  std::string message = "System Error. Code: " + std::to_string(code) + ".";
  std::string text = systemText;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  if (!text.empty()) message += "\r\n" + text;
  return message;
}
