#pragma once
// Hex text <-> bytes for comparing test vectors.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline std::string HexToBytes(std::string_view hex) {
  std::string bytes;
  int high = -1;
  for (char c : hex) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) continue;  // spaces between bytes
    if (high < 0) {
      high = digit;
    } else {
      bytes += char(high * 16 + digit);
      high = -1;
    }
  }
  return bytes;
}

inline std::string BytesToHex(std::string_view bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  for (char c : bytes) {
    hex += kHex[uint8_t(c) >> 4];
    hex += kHex[uint8_t(c) & 15];
  }
  return hex;
}

template <size_t N>
std::string BytesToHex(const std::array<uint8_t, N>& bytes) {
  return BytesToHex(std::string_view(reinterpret_cast<const char*>(bytes.data()), N));
}
