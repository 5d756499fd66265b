#include "report/format/report_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr uint8_t kFirstPrintable = 0x20;
constexpr uint8_t kDelete = 0x7F;
constexpr uint8_t kFirstC1 = 0x80;
constexpr uint8_t kLastC1 = 0x9F;
constexpr uint8_t kUtf8C1Lead = 0xC2;  // U+0080 to U+009F are C2 80 to C2 9F
constexpr char kControlMark = '?';

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
  // Firmware strings are nearly always ASCII, which is UTF-8 already.
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<uint8_t>(c) < 0x80; })) {
    return std::string(bytes);
  }
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
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    const size_t n = SequenceLength(bytes, i);
    const bool control = n == 1 ? b < kFirstPrintable || b == kDelete
                       : n == 0 ? b >= kFirstC1 && b <= kLastC1  // a Latin-1 byte
                       : n == 2 && b == kUtf8C1Lead && static_cast<uint8_t>(bytes[i + 1]) <= kLastC1;
    if (control) {
      out += kControlMark;
    } else {
      out.append(bytes.substr(i, n == 0 ? 1 : n));
    }
    i += n == 0 ? 1 : n;
  }
  return out;
}
