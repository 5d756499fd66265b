// A "Proxy-Authenticate" value: the challenge list, each Digest challenge answered, and the
// whole value handed to the proxy authentication as a 407 would, twice (a second 407 with the
// same challenges is how a proxy says the answer was wrong or the nonce stale).
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/proxy_auth/digest_auth.h"
#include "support/proxy_auth/http_auth_challenge.h"
#include "support/http_transport/http_errors.h"
#include "support/proxy_auth/http_proxy_auth.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string value(reinterpret_cast<const char*>(data), size);
  const TDigestRequest request{"GET", "http://www.tervane.example/links.txt", "user", "password", "0a4f113b", 1};
  for (const THttpAuthChallenge& challenge : ParseAuthChallenges(value)) {
    if (const auto digest = DigestChallengeFrom(challenge)) DigestAuthorization(*digest, request);
  }
  try {
    THttpProxyAuth auth("DOMAIN\\user", "password");
    for (int round = 0; round < 3; ++round) {
      if (!auth.Answer({value}, "GET", "http://www.tervane.example/links.txt", true)) break;
    }
  } catch (const EHttpExchangeFailure&) {
    // A challenge the client refuses to answer ends the exchange: the documented outcome.
  }
  return 0;
}
