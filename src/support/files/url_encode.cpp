#include "support/files/url_encode.h"

namespace {
bool IsKeptByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_';
}
}  // namespace

std::string UrlEncode(const std::string& text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(text.size() * 3);
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsKeptByte(c)) {
      result += ch;
    } else {
      // A space comes out as "%20" through the same rule as every other byte.
      result += '%';
      result += kHexDigits[c >> 4];
      result += kHexDigits[c & 0x0F];
    }
  }
  return result;
}
