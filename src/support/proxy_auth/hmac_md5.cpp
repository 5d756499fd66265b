#include "support/proxy_auth/hmac_md5.h"

#include <string>

namespace {
constexpr size_t kBlockSize = 64;
}

TDigest128 HmacMd5(std::string_view key, std::string_view message) {
  // Keys longer than a block are hashed first; shorter ones are padded with zeros.
  std::string block = key.size() > kBlockSize ? DigestToBytes(Md5(key)) : std::string(key);
  block.resize(kBlockSize, '\0');
  std::string inner(kBlockSize, '\0'), outer(kBlockSize, '\0');
  for (size_t i = 0; i < kBlockSize; ++i) {
    inner[i] = char(block[i] ^ 0x36);
    outer[i] = char(block[i] ^ 0x5c);
  }
  TMd5 innerHash;
  innerHash.Update(inner);
  innerHash.Update(message);
  TMd5 outerHash;
  outerHash.Update(outer);
  outerHash.Update(DigestToBytes(innerHash.Final()));
  return outerHash.Final();
}
