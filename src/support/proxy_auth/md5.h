#pragma once
// MD5 (RFC 1321). Used for Digest proxy authentication and, through HMAC-MD5, for NTLMv2; never
// for anything that needs collision resistance.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using TDigest128 = std::array<uint8_t, 16>;

class TMd5 {
 public:
  TMd5();
  void Update(const void* data, size_t size);
  void Update(std::string_view bytes) { Update(bytes.data(), bytes.size()); }
  TDigest128 Final();  // the object must not be updated afterwards

 private:
  void Transform(const uint8_t* block);

  std::array<uint32_t, 4> FState;
  std::array<uint8_t, 64> FBuffer{};
  uint64_t FLength = 0;  // bytes seen so far
};

TDigest128 Md5(std::string_view bytes);

// Lower-case hexadecimal, as Digest authentication writes hashes.
std::string DigestToHex(const TDigest128& digest);
// The 16 bytes as a byte string, for feeding one hash into another.
std::string DigestToBytes(const TDigest128& digest);
