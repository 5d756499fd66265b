#pragma once
// Answers a proxy's 407 challenges. Credentials never go out before the proxy asks; then each
// scheme the proxy offers is tried once, best first: NTLM (NTLMv2, the handshake on one
// connection), Digest (MD5), Basic. Digest gets one more try when the proxy says the nonce was
// stale.
#include <optional>
#include <string>
#include <vector>

#include "support/proxy_auth/digest_auth.h"
#include "support/proxy_auth/http_auth_challenge.h"

class THttpProxyAuth {
 public:
  THttpProxyAuth(std::string userName, std::string password);

  // Both a user name and a password are needed; without them no challenge is answered.
  bool Enabled() const;
  // The next "Proxy-Authorization" value for the proxy's "Proxy-Authenticate" fields, or
  // nothing to give up. connectionKept: the 407 leaves its connection open for the next request.
  // Credentials holding CR, LF or NUL raise EHttpExchangeFailure(kHttpErrorAborted).
  std::optional<std::string> Answer(const std::vector<std::string>& proxyAuthenticate, const std::string& method,
                                    const std::string& requestTarget, bool connectionKept);
  // The next request must go on the connection that brought the last challenge (NTLM type 3).
  bool NeedsSameConnection() const;

 private:
  enum class TStep { None, NtlmNegotiate, NtlmAuthenticate, Digest, DigestStale, Basic };

  std::optional<std::string> Continue(const THttpAuthChallenge* ntlm, const TDigestChallenge* digest,
                                      const std::string& method, const std::string& target, bool connectionKept);
  std::optional<std::string> StartNext(const std::vector<THttpAuthChallenge>& challenges, const std::string& method,
                                       const std::string& target);
  std::string DigestAnswer(const TDigestChallenge& challenge, const std::string& method, const std::string& target);

  std::string FUserName;
  std::string FPassword;
  TStep FStep = TStep::None;
  bool FTriedNtlm = false;
  bool FTriedDigest = false;
  bool FTriedBasic = false;
};
