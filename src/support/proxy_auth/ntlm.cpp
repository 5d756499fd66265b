#include "support/proxy_auth/ntlm.h"

#include <chrono>
#include <random>

#include "support/proxy_auth/hmac_md5.h"
#include "support/proxy_auth/md4.h"
#include "support/proxy_auth/ntlm_text.h"

namespace {

constexpr char kSignature[] = "NTLMSSP";  // with its NUL: 8 bytes
constexpr uint32_t kNegotiateUnicode = 0x00000001;
constexpr uint32_t kNegotiateOem = 0x00000002;
constexpr uint32_t kRequestTarget = 0x00000004;
constexpr uint32_t kNegotiateNtlm = 0x00000200;
constexpr uint32_t kAlwaysSign = 0x00008000;
constexpr uint32_t kExtendedSessionSecurity = 0x00080000;
constexpr uint32_t kNegotiateTargetInfo = 0x00800000;
constexpr uint32_t kNegotiate128 = 0x20000000;
constexpr uint32_t kNegotiate56 = 0x80000000;
constexpr uint32_t kClientFlags = kNegotiateUnicode | kNegotiateOem | kRequestTarget | kNegotiateNtlm |
                                  kAlwaysSign | kExtendedSessionSecurity | kNegotiate128 | kNegotiate56;
constexpr uint16_t kAvEol = 0;
constexpr uint16_t kAvTimestamp = 7;
constexpr size_t kChallengeHeaderSize = 48;
constexpr size_t kAuthenticateHeaderSize = 64;
constexpr uint64_t kFileTimeToUnixSeconds = 11644473600ULL;

void Put16(std::string& out, uint16_t value) {
  out += char(value & 0xff);
  out += char(value >> 8);
}

void Put32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += char((value >> (8 * i)) & 0xff);
}

void Put64(std::string& out, uint64_t value) {
  for (int i = 0; i < 8; ++i) out += char((value >> (8 * i)) & 0xff);
}

uint32_t Get(std::string_view bytes, size_t offset, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
  return value;
}

uint64_t Get64(std::string_view bytes, size_t offset) {
  return Get(bytes, offset, 4) | uint64_t(Get(bytes, offset + 4, 4)) << 32;
}

// A (length, allocated length, offset) field pointing into the payload.
void PutField(std::string& header, size_t length, size_t offset) {
  Put16(header, uint16_t(length));
  Put16(header, uint16_t(length));
  Put32(header, uint32_t(offset));
}

std::optional<std::string_view> GetField(std::string_view message, size_t fieldOffset) {
  const uint32_t length = Get(message, fieldOffset, 2);
  const uint32_t offset = Get(message, fieldOffset + 4, 4);
  if (offset > message.size() || length > message.size() - offset) return std::nullopt;
  return message.substr(offset, length);
}

// The MsvAvTimestamp value among the AV pairs, if present and the list is well formed.
std::optional<uint64_t> FindTimestamp(std::string_view pairs) {
  size_t at = 0;
  while (at + 4 <= pairs.size()) {
    const uint16_t id = uint16_t(Get(pairs, at, 2));
    const uint16_t length = uint16_t(Get(pairs, at + 2, 2));
    if (id == kAvEol || at + 4 + length > pairs.size()) return std::nullopt;
    if (id == kAvTimestamp && length == 8) return Get64(pairs, at + 4);
    at += 4 + length;
  }
  return std::nullopt;
}

std::string Utf16Bytes(const std::string& ansi) { return Utf16LeBytes(AnsiToUtf16(ansi)); }

}  // namespace

TNtlmCredentials NtlmCredentials(const std::string& userName, const std::string& password) {
  TNtlmCredentials credentials;
  const size_t slash = userName.find('\\');
  if (slash == std::string::npos) {
    credentials.User = userName;
  } else {
    credentials.Domain = userName.substr(0, slash);
    credentials.User = userName.substr(slash + 1);
  }
  credentials.Password = password;
  return credentials;
}

std::string NtlmNegotiateMessage() {
  std::string message(kSignature, sizeof kSignature);
  Put32(message, 1);
  Put32(message, kClientFlags);
  PutField(message, 0, 0);  // no domain
  PutField(message, 0, 0);  // no workstation
  return message;
}

std::optional<TNtlmChallenge> ParseNtlmChallenge(std::string_view message) {
  if (message.size() < kChallengeHeaderSize || message.substr(0, 8) != std::string_view(kSignature, 8) ||
      Get(message, 8, 4) != 2)
    return std::nullopt;
  TNtlmChallenge challenge;
  challenge.Flags = Get(message, 20, 4);
  challenge.ServerChallenge = std::string(message.substr(24, kNtlmChallengeSize));
  if (challenge.Flags & kNegotiateTargetInfo) {
    const auto info = GetField(message, 40);
    if (!info) return std::nullopt;
    challenge.TargetInfo = std::string(*info);
    challenge.Timestamp = FindTimestamp(*info);
  }
  return challenge;
}

TDigest128 NtOwfV2(const std::string& user, const std::string& password, const std::string& domain) {
  const TDigest128 ntHash = Md4(Utf16Bytes(password));
  const std::string identity = Utf16LeBytes(UpperCaseUtf16(AnsiToUtf16(user))) + Utf16Bytes(domain);
  return HmacMd5(DigestToBytes(ntHash), identity);
}

TNtlmV2Response ComputeNtlmV2Response(const TDigest128& responseKey, std::string_view serverChallenge,
                                      std::string_view clientChallenge, uint64_t timestamp,
                                      std::string_view targetInfo) {
  // The client's blob ("temp"): versions 1 and 1, reserved zeros, time, client challenge,
  // zeros, the server's AV pairs, zeros.
  std::string blob = {1, 1, 0, 0, 0, 0, 0, 0};
  Put64(blob, timestamp);
  blob += clientChallenge;
  Put32(blob, 0);
  blob += targetInfo;
  Put32(blob, 0);
  const std::string key = DigestToBytes(responseKey);
  const std::string server(serverChallenge);
  const TDigest128 proof = HmacMd5(key, server + blob);
  TNtlmV2Response response;
  response.NtResponse = DigestToBytes(proof) + blob;
  response.LmResponse = DigestToBytes(HmacMd5(key, server + std::string(clientChallenge))) +
                        std::string(clientChallenge);
  response.SessionBaseKey = HmacMd5(key, DigestToBytes(proof));
  return response;
}

std::string NtlmAuthenticateMessage(const TNtlmChallenge& challenge, const TNtlmCredentials& credentials,
                                    std::string_view clientChallenge, uint64_t timestamp) {
  const TDigest128 key = NtOwfV2(credentials.User, credentials.Password, credentials.Domain);
  const TNtlmV2Response response = ComputeNtlmV2Response(
      key, challenge.ServerChallenge, clientChallenge, challenge.Timestamp.value_or(timestamp),
      challenge.TargetInfo);
  // With a server time stamp the LM response must be zeros (MS-NLMP 3.1.5.1.2).
  const std::string lm = challenge.Timestamp ? std::string(24, '\0') : response.LmResponse;
  const std::string parts[] = {lm, response.NtResponse, Utf16Bytes(credentials.Domain),
                               Utf16Bytes(credentials.User), Utf16Bytes(credentials.Workstation), ""};
  std::string message(kSignature, sizeof kSignature);
  Put32(message, 3);
  std::string payload;
  for (const std::string& part : parts) {
    PutField(message, part.size(), kAuthenticateHeaderSize + payload.size());
    payload += part;
  }
  Put32(message, (challenge.Flags & kClientFlags & ~kNegotiateOem) | kNegotiateUnicode);
  return message + payload;
}

std::string NtlmClientChallenge() {
  std::random_device source;
  std::string bytes;
  for (size_t i = 0; i < kNtlmChallengeSize; ++i) bytes += char(source() & 0xff);
  return bytes;
}

uint64_t NtlmCurrentTimestamp() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  const auto ticks = std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 10000000>>>(since);
  return uint64_t(ticks.count()) + kFileTimeToUnixSeconds * 10000000ULL;
}
