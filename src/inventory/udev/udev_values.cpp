#include "inventory/udev/udev_values.h"

#include <bit>
#include <cstdio>
#include <limits>

namespace {

constexpr uint64_t kMaxMillivolts = 0xFFFF;
constexpr size_t kMillivoltDigits = 3;
constexpr uint64_t kJedecBanks = 128;  // seven bits of continuation count
constexpr std::string_view kBankPrefix = "Bank ";
constexpr std::string_view kCodeSeparator = ", Hex 0x";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<uint64_t> ParseUdevNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<uint16_t> ParseUdevMillivolts(std::string_view text) {
  const size_t dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;  // rounded to whole volts
  std::string_view fraction = text.substr(dot + 1);
  if (fraction.empty() || fraction.size() > kMillivoltDigits) return std::nullopt;
  std::optional<uint64_t> volts = ParseUdevNumber(text.substr(0, dot));
  std::optional<uint64_t> digits = ParseUdevNumber(fraction);
  if (!volts || !digits || *volts > kMaxMillivolts / 1000) return std::nullopt;
  uint64_t millivolts = *digits;
  for (size_t i = fraction.size(); i < kMillivoltDigits; ++i) millivolts *= 10;
  millivolts += *volts * 1000;
  if (millivolts == 0 || millivolts > kMaxMillivolts) return std::nullopt;
  return static_cast<uint16_t>(millivolts);
}

std::optional<std::string> JedecManufacturerText(std::string_view text) {
  if (text.substr(0, kBankPrefix.size()) != kBankPrefix) return std::nullopt;
  text.remove_prefix(kBankPrefix.size());
  const size_t comma = text.find(',');
  std::optional<uint64_t> bank = ParseUdevNumber(text.substr(0, comma));
  if (!bank || *bank == 0 || *bank > kJedecBanks || comma == std::string_view::npos) {
    return std::nullopt;
  }
  text.remove_prefix(comma);
  if (text.substr(0, kCodeSeparator.size()) != kCodeSeparator) return std::nullopt;
  text.remove_prefix(kCodeSeparator.size());
  if (text.size() != 2 || HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0) return std::nullopt;
  unsigned count = static_cast<unsigned>(*bank - 1);
  if (std::popcount(count) % 2 == 0) count |= 0x80;  // odd parity in bit 7
  char out[5];
  std::snprintf(out, sizeof out, "%02X%X%X", count, HexDigit(text[0]), HexDigit(text[1]));
  return std::string(out);
}
