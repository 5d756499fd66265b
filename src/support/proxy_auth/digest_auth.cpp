#include "support/proxy_auth/digest_auth.h"

#include <cstdio>
#include <random>

#include "support/http_transport/http_text.h"
#include "support/proxy_auth/md5.h"

namespace {

std::string Md5Hex(const std::string& text) { return DigestToHex(Md5(text)); }

bool IsSession(const TDigestChallenge& challenge) {
  return challenge.Algorithm && EqualsIgnoreCase(*challenge.Algorithm, "MD5-sess");
}

// qop is a quoted, comma-separated list: "auth,auth-int".
bool OffersAuth(const std::string& qopList) {
  size_t start = 0;
  while (start <= qopList.size()) {
    size_t end = qopList.find(',', start);
    if (end == std::string::npos) end = qopList.size();
    if (EqualsIgnoreCase(TrimSpaces(std::string_view(qopList).substr(start, end - start)), "auth")) return true;
    start = end + 1;
  }
  return false;
}

std::string NonceCountText(uint32_t count) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", count);
  return text;
}

}  // namespace

std::optional<TDigestChallenge> DigestChallengeFrom(const THttpAuthChallenge& challenge) {
  if (!challenge.IsScheme("Digest")) return std::nullopt;
  TDigestChallenge digest;
  const auto nonce = challenge.Param("nonce");
  if (!nonce) return std::nullopt;
  digest.Nonce = *nonce;
  digest.Realm = challenge.Param("realm").value_or("");
  digest.Opaque = challenge.Param("opaque");
  digest.Algorithm = challenge.Param("algorithm");
  if (digest.Algorithm && !EqualsIgnoreCase(*digest.Algorithm, "MD5") && !IsSession(digest))
    return std::nullopt;
  digest.Stale = EqualsIgnoreCase(challenge.Param("stale").value_or(""), "true");
  const auto qop = challenge.Param("qop");
  digest.QopAuth = qop && OffersAuth(*qop);
  if (qop && !digest.QopAuth) return std::nullopt;  // only auth-int offered: it needs the body hash
  return digest;
}

std::string DigestResponse(const TDigestChallenge& challenge, const TDigestRequest& request) {
  std::string ha1 = Md5Hex(request.UserName + ":" + challenge.Realm + ":" + request.Password);
  if (IsSession(challenge)) ha1 = Md5Hex(ha1 + ":" + challenge.Nonce + ":" + request.ClientNonce);
  const std::string ha2 = Md5Hex(request.Method + ":" + request.Uri);
  if (!challenge.QopAuth) return Md5Hex(ha1 + ":" + challenge.Nonce + ":" + ha2);
  return Md5Hex(ha1 + ":" + challenge.Nonce + ":" + NonceCountText(request.NonceCount) + ":" +
                request.ClientNonce + ":auth:" + ha2);
}

std::string DigestAuthorization(const TDigestChallenge& challenge, const TDigestRequest& request) {
  std::string value = "Digest username=" + QuoteHttpString(request.UserName) +
                      ", realm=" + QuoteHttpString(challenge.Realm) +
                      ", nonce=" + QuoteHttpString(challenge.Nonce) +
                      ", uri=" + QuoteHttpString(request.Uri);
  if (challenge.Algorithm) value += ", algorithm=" + *challenge.Algorithm;
  value += ", response=" + QuoteHttpString(DigestResponse(challenge, request));
  if (challenge.Opaque) value += ", opaque=" + QuoteHttpString(*challenge.Opaque);
  if (challenge.QopAuth)
    value += ", qop=auth, nc=" + NonceCountText(request.NonceCount) +
             ", cnonce=" + QuoteHttpString(request.ClientNonce);
  return value;
}

std::string DigestClientNonce() {
  std::random_device source;
  TDigest128 bytes;
  for (auto& byte : bytes) byte = uint8_t(source() & 0xff);
  return DigestToHex(bytes);
}
