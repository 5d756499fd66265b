#include "support/proxy_auth/md4.h"

#include <cstdint>
#include <string>

namespace {

uint32_t RotateLeft(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

uint32_t F(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (~x & z); }
uint32_t G(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (x & z) | (y & z); }
uint32_t H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }

// The message padded to a multiple of 64 bytes with its bit length at the end (RFC 1320, 3.1-3.2).
std::string Pad(std::string_view bytes) {
  std::string padded(bytes);
  padded += char(0x80);
  while (padded.size() % 64 != 56) padded += char(0);
  const uint64_t bits = uint64_t(bytes.size()) * 8;
  for (int i = 0; i < 8; ++i) padded += char(uint8_t(bits >> (8 * i)));
  return padded;
}

void Transform(uint32_t state[4], const uint8_t* block) {
  uint32_t x[16];
  for (int i = 0; i < 16; ++i)
    x[i] = uint32_t(block[4 * i]) | uint32_t(block[4 * i + 1]) << 8 |
           uint32_t(block[4 * i + 2]) << 16 | uint32_t(block[4 * i + 3]) << 24;
  uint32_t v[4] = {state[0], state[1], state[2], state[3]};
  // Each step updates one of a, b, c, d in turn: a d c b a d c b ...
  auto step = [&v](int i, uint32_t value, int shift) {
    const int target = (4 - i % 4) % 4;
    v[target] = RotateLeft(v[target] + value, shift);
  };
  static const int kShift1[4] = {3, 7, 11, 19}, kShift2[4] = {3, 5, 9, 13}, kShift3[4] = {3, 9, 11, 15};
  static const int kOrder3[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
  for (int i = 0; i < 16; ++i) {
    const int t = (4 - i % 4) % 4;
    step(i, F(v[(t + 1) % 4], v[(t + 2) % 4], v[(t + 3) % 4]) + x[i], kShift1[i % 4]);
  }
  for (int i = 0; i < 16; ++i) {
    const int t = (4 - i % 4) % 4;
    const int k = (i % 4) * 4 + i / 4;
    step(i, G(v[(t + 1) % 4], v[(t + 2) % 4], v[(t + 3) % 4]) + x[k] + 0x5a827999, kShift2[i % 4]);
  }
  for (int i = 0; i < 16; ++i) {
    const int t = (4 - i % 4) % 4;
    step(i, H(v[(t + 1) % 4], v[(t + 2) % 4], v[(t + 3) % 4]) + x[kOrder3[i]] + 0x6ed9eba1,
         kShift3[i % 4]);
  }
  for (int i = 0; i < 4; ++i) state[i] += v[i];
}

}  // namespace

TDigest128 Md4(std::string_view bytes) {
  uint32_t state[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
  const std::string padded = Pad(bytes);
  for (size_t offset = 0; offset < padded.size(); offset += 64)
    Transform(state, reinterpret_cast<const uint8_t*>(padded.data()) + offset);
  TDigest128 digest;
  for (int i = 0; i < 16; ++i) digest[i] = uint8_t(state[i / 4] >> (8 * (i % 4)));
  return digest;
}
