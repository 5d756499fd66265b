#include "support/run_log/log_value.h"

namespace {
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr char kHexDigits[] = "0123456789ABCDEF";
}  // namespace

std::string EscapeLogValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= kFirstPrintable && b != kDelete) {
      out += c;
      continue;
    }
    out += "\\x";
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
  }
  return out;
}
