#include "report/report_text.h"

#include <cstdint>

namespace {

bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at i (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF), or 0 when the byte there does not start one.
size_t SequenceLength(std::string_view s, size_t i) {
  const auto at = [&](size_t k) { return static_cast<uint8_t>(s[i + k]); };
  const uint8_t b = at(0);
  if (b < 0x80) return 1;
  size_t n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if (!IsContinuation(at(k))) return 0;
  }
  // Second-byte limits that rule out overlong forms, surrogates and code points past U+10FFFF.
  if (b == 0xE0 && at(1) < 0xA0) return 0;
  if (b == 0xED && at(1) > 0x9F) return 0;
  if (b == 0xF0 && at(1) < 0x90) return 0;
  if (b == 0xF4 && at(1) > 0x8F) return 0;
  return n;
}

void AppendLatin1(std::string& out, uint8_t b) {
  out += static_cast<char>(0xC0 | (b >> 6));
  out += static_cast<char>(0x80 | (b & 0x3F));
}

}  // namespace

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    size_t n = SequenceLength(bytes, i);
    if (n == 0) {
      AppendLatin1(out, static_cast<uint8_t>(bytes[i]));
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string Printable(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return out;
}
