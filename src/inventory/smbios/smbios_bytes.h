#pragma once
// Little-endian reads from a byte range that can never go past its end. SMBIOS data comes from
// firmware and from files anyone can hand us, so every read is checked here as a last line of
// defence; the decoders check the structure length first and never expect these to throw.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

// A table that cannot be read: bad entry point, not SMBIOS at all, nothing to read.
class SmbiosError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using ByteRange = std::span<const uint8_t>;

// True when [offset, offset + width) lies inside the range (no overflow on huge offsets).
inline bool Covers(ByteRange bytes, size_t offset, size_t width) {
  return offset <= bytes.size() && width <= bytes.size() - offset;
}

inline uint64_t ReadLittleEndian(ByteRange bytes, size_t offset, size_t width) {
  if (!Covers(bytes, offset, width)) {
    throw SmbiosError("read of " + std::to_string(width) + " bytes at offset " +
                      std::to_string(offset) + " outside " + std::to_string(bytes.size()));
  }
  uint64_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | bytes[offset + i];
  return value;
}

inline uint8_t ReadByte(ByteRange b, size_t offset) {
  return static_cast<uint8_t>(ReadLittleEndian(b, offset, 1));
}
inline uint16_t ReadWord(ByteRange b, size_t offset) {
  return static_cast<uint16_t>(ReadLittleEndian(b, offset, 2));
}
inline uint32_t ReadDword(ByteRange b, size_t offset) {
  return static_cast<uint32_t>(ReadLittleEndian(b, offset, 4));
}
inline uint64_t ReadQword(ByteRange b, size_t offset) { return ReadLittleEndian(b, offset, 8); }

// The 8-bit sum of a range; SMBIOS entry points sum to 0.
inline uint8_t ByteSum(ByteRange bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
  return sum;
}
