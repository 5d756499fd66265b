#include "support/system/system_error_text.h"

std::string SystemErrorWords(uint32_t code) {
  std::string words = SystemErrorText(code);
  while (!words.empty() && (words.back() == '.' || words.back() == ' ')) words.pop_back();
  return words.empty() ? "error " + std::to_string(code) : words;
}
