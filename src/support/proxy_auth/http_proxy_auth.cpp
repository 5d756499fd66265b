#include "support/proxy_auth/http_proxy_auth.h"

#include "support/proxy_auth/base64.h"
#include "support/proxy_auth/digest_auth.h"
#include "support/proxy_auth/http_auth_challenge.h"
#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_text.h"
#include "support/proxy_auth/ntlm.h"

namespace {

std::vector<THttpAuthChallenge> AllChallenges(const std::vector<std::string>& fields) {
  std::vector<THttpAuthChallenge> all;
  for (const std::string& field : fields)
    for (THttpAuthChallenge& challenge : ParseAuthChallenges(field)) all.push_back(std::move(challenge));
  return all;
}

const THttpAuthChallenge* FindScheme(const std::vector<THttpAuthChallenge>& challenges, const char* scheme) {
  for (const THttpAuthChallenge& challenge : challenges)
    if (challenge.IsScheme(scheme)) return &challenge;
  return nullptr;
}

std::optional<TDigestChallenge> FindDigest(const std::vector<THttpAuthChallenge>& challenges) {
  for (const THttpAuthChallenge& challenge : challenges)
    if (auto digest = DigestChallengeFrom(challenge)) return digest;
  return std::nullopt;
}

}  // namespace

THttpProxyAuth::THttpProxyAuth(std::string userName, std::string password)
    : FUserName(std::move(userName)), FPassword(std::move(password)) {}

bool THttpProxyAuth::Enabled() const { return !FUserName.empty() && !FPassword.empty(); }

bool THttpProxyAuth::NeedsSameConnection() const { return FStep == TStep::NtlmAuthenticate; }

std::optional<std::string> THttpProxyAuth::Answer(const std::vector<std::string>& proxyAuthenticate,
                                                  const std::string& method, const std::string& requestTarget,
                                                  bool connectionKept) {
  if (!Enabled()) return std::nullopt;
  // Basic would hide them in Base64, but Digest quotes the name as it is: refuse them for all.
  if (HasLineBreakOrNul(FUserName) || HasLineBreakOrNul(FPassword))
    throw EHttpExchangeFailure(kHttpErrorAborted, "request not sent: the proxy user name or password holds CR, LF or NUL");
  const std::vector<THttpAuthChallenge> challenges = AllChallenges(proxyAuthenticate);
  const std::optional<TDigestChallenge> digest = FindDigest(challenges);
  if (auto next = Continue(FindScheme(challenges, "NTLM"), digest ? &*digest : nullptr, method, requestTarget,
                           connectionKept))
    return next;
  return StartNext(challenges, method, requestTarget);
}

// The second round of a scheme under way: NTLM's type 3, or Digest again with a fresh nonce.
std::optional<std::string> THttpProxyAuth::Continue(const THttpAuthChallenge* ntlm, const TDigestChallenge* digest,
                                                    const std::string& method, const std::string& target,
                                                    bool connectionKept) {
  const TStep step = FStep;
  FStep = TStep::None;
  if (step == TStep::NtlmNegotiate && ntlm && connectionKept) {
    const auto bytes = Base64Decode(ntlm->Token68);
    const auto challenge = bytes ? ParseNtlmChallenge(*bytes) : std::nullopt;
    if (!challenge) return std::nullopt;
    FStep = TStep::NtlmAuthenticate;
    return "NTLM " + Base64Encode(NtlmAuthenticateMessage(*challenge, NtlmCredentials(FUserName, FPassword),
                                                          NtlmClientChallenge(), NtlmCurrentTimestamp()));
  }
  if (step == TStep::Digest && digest && digest->Stale) {
    FStep = TStep::DigestStale;
    return DigestAnswer(*digest, method, target);
  }
  return std::nullopt;
}

std::optional<std::string> THttpProxyAuth::StartNext(const std::vector<THttpAuthChallenge>& challenges,
                                                     const std::string& method, const std::string& target) {
  if (!FTriedNtlm && FindScheme(challenges, "NTLM")) {
    FTriedNtlm = true;
    FStep = TStep::NtlmNegotiate;
    return "NTLM " + Base64Encode(NtlmNegotiateMessage());
  }
  const std::optional<TDigestChallenge> digest = FindDigest(challenges);
  if (!FTriedDigest && digest) {
    FTriedDigest = true;
    FStep = TStep::Digest;
    return DigestAnswer(*digest, method, target);
  }
  if (!FTriedBasic && FindScheme(challenges, "Basic")) {
    FTriedBasic = true;
    FStep = TStep::Basic;
    return "Basic " + Base64Encode(FUserName + ":" + FPassword);
  }
  return std::nullopt;
}

std::string THttpProxyAuth::DigestAnswer(const TDigestChallenge& challenge, const std::string& method,
                                         const std::string& target) {
  const TDigestRequest request{method, target, FUserName, FPassword, DigestClientNonce(), 1};
  return DigestAuthorization(challenge, request);
}
