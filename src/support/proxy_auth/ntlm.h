#pragma once
// NTLM authentication messages (Microsoft's MS-NLMP), client side, NTLMv2 responses only: the
// negotiate message (type 1), the server's challenge (type 2) and the authenticate message
// (type 3). No signing or sealing: HTTP proxies only check the response.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/proxy_auth/md5.h"

inline constexpr size_t kNtlmChallengeSize = 8;

struct TNtlmChallenge {
  uint32_t Flags = 0;
  std::string ServerChallenge;        // 8 bytes
  std::string TargetInfo;             // the AV pairs exactly as received
  std::optional<uint64_t> Timestamp;  // MsvAvTimestamp (FILETIME) when the server sent one
};

struct TNtlmCredentials {
  std::string Domain;  // may be empty
  std::string User;
  std::string Password;
  std::string Workstation;
};

// "DOMAIN\user" gives a domain; a plain user name gives none.
TNtlmCredentials NtlmCredentials(const std::string& userName, const std::string& password);

std::string NtlmNegotiateMessage();
// Nothing when the bytes are not a well-formed challenge message.
std::optional<TNtlmChallenge> ParseNtlmChallenge(std::string_view message);

// NTOWFv2 (equal to LMOWFv2): HMAC-MD5 keyed with the NT hash over upper-cased user + domain.
TDigest128 NtOwfV2(const std::string& user, const std::string& password, const std::string& domain);

struct TNtlmV2Response {
  std::string LmResponse;  // LMv2: 16-byte proof + client challenge
  std::string NtResponse;  // NTProofStr + the client's blob
  TDigest128 SessionBaseKey{};
};

TNtlmV2Response ComputeNtlmV2Response(const TDigest128& responseKey, std::string_view serverChallenge,
                                      std::string_view clientChallenge, uint64_t timestamp,
                                      std::string_view targetInfo);

// The type 3 message answering `challenge`. clientChallenge: 8 random bytes; timestamp: the
// current time as FILETIME, used when the server sent none.
std::string NtlmAuthenticateMessage(const TNtlmChallenge& challenge, const TNtlmCredentials& credentials,
                                    std::string_view clientChallenge, uint64_t timestamp);

// 8 bytes from the system's random source, and the current time as FILETIME.
std::string NtlmClientChallenge();
uint64_t NtlmCurrentTimestamp();
