#include "support/proxy_auth/ntlm_text.h"

std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes += char(unit & 0xff);
    bytes += char(unit >> 8);
  }
  return bytes;
}
