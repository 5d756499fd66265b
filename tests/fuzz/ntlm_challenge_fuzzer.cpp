// A proxy's NTLM challenge message (type 2, after Base64 decoding), answered with the
// authenticate message as the client would.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/proxy_auth/ntlm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view message(reinterpret_cast<const char*>(data), size);
  const auto challenge = ParseNtlmChallenge(message);
  if (!challenge) return 0;
  if (challenge->ServerChallenge.size() != kNtlmChallengeSize) __builtin_trap();
  const TNtlmCredentials credentials = NtlmCredentials("DOMAIN\\user", "password");
  NtlmAuthenticateMessage(*challenge, credentials, std::string(kNtlmChallengeSize, '\xaa'), 0);
  return 0;
}
