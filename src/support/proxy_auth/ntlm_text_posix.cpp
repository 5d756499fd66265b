#include <cwctype>

#include "support/proxy_auth/ntlm_text.h"

namespace {

// One code point from UTF-8 at `i`, advancing `i`; a byte that does not start a valid sequence
// stands for itself (as in Latin-1), so no input is ever lost.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
  if (length > 1 && i + length <= text.size()) {
    char32_t point = lead & (0x7f >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = valid && (next >> 6) == 2;
      point = (point << 6) | (next & 0x3f);
    }
    if (valid && point <= 0x10ffff) {
      i += length;
      return point;
    }
  }
  ++i;
  return lead;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string units;
  for (size_t i = 0; i < text.size();) {
    const char32_t point = NextCodePoint(text, i);
    if (point < 0x10000) {
      units += char16_t(point);
    } else {
      units += char16_t(0xd800 + ((point - 0x10000) >> 10));
      units += char16_t(0xdc00 + ((point - 0x10000) & 0x3ff));
    }
  }
  return units;
}

std::u16string UpperCaseUtf16(std::u16string text) {
  for (char16_t& unit : text) {
    if (unit >= 0xd800 && unit <= 0xdfff) continue;
    unit = char16_t(std::towupper(static_cast<wint_t>(unit)));
  }
  return text;
}
