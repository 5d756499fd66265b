#pragma once
// HTTP Digest authentication (RFC 7616, with the RFC 2617 forms it keeps): MD5 and MD5-sess,
// quality of protection "auth" (or none, for old servers). The other hash algorithms are not
// offered by the proxies this program meets; a challenge that asks for one is not answered.
#include <cstdint>
#include <optional>
#include <string>

#include "support/proxy_auth/http_auth_challenge.h"

struct TDigestChallenge {
  std::string Realm;
  std::string Nonce;
  std::optional<std::string> Opaque;
  std::optional<std::string> Algorithm;  // as sent: "MD5" or "MD5-sess" (any case)
  bool Stale = false;
  bool QopAuth = false;  // the server offers qop "auth"
};

struct TDigestRequest {
  std::string Method;
  std::string Uri;  // the request target exactly as in the request line
  std::string UserName;
  std::string Password;
  std::string ClientNonce;
  uint32_t NonceCount = 1;
};

// Nothing when the challenge is not Digest, has no nonce, or names an algorithm we lack.
std::optional<TDigestChallenge> DigestChallengeFrom(const THttpAuthChallenge& challenge);

// The "response" parameter: 32 lower-case hex digits.
std::string DigestResponse(const TDigestChallenge& challenge, const TDigestRequest& request);
// The whole credentials value: Digest username="...", realm="...", ...
std::string DigestAuthorization(const TDigestChallenge& challenge, const TDigestRequest& request);

std::string DigestClientNonce();  // 16 random bytes as hex
