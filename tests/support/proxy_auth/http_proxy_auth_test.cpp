#include <gtest/gtest.h>

#include "support/http/http_test_hex.h"
#include "support/proxy_auth/base64.h"
#include "support/proxy_auth/http_proxy_auth.h"

namespace {

const std::vector<std::string> kAllSchemes = {"Basic realm=\"p\"", "Digest realm=\"p\", nonce=\"n1\", qop=\"auth\"",
                                              "NTLM"};
// A minimal NTLM challenge message (no target information), Base64-encoded.
const std::string kNtlmChallenge =
    "NTLM " + Base64Encode(std::string("NTLMSSP\0\2\0\0\0", 12) + std::string(8, '\0') + HexToBytes("01020000") +
                           HexToBytes("0123456789abcdef") + std::string(16, '\0'));

std::string SchemeOf(const std::optional<std::string>& answer) {
  return answer ? answer->substr(0, answer->find(' ')) : "<none>";
}

}  // namespace

TEST(HttpProxyAuthTest, TriesNtlmThenDigestThenBasicThenGivesUp) {
  THttpProxyAuth auth("DOM\\user", "secret");
  const auto negotiate = auth.Answer(kAllSchemes, "GET", "http://h/x", true);
  ASSERT_EQ(SchemeOf(negotiate), "NTLM");
  EXPECT_EQ(Base64Decode(negotiate->substr(5))->substr(8, 1), "\1");  // type 1
  EXPECT_FALSE(auth.NeedsSameConnection());

  const auto authenticate = auth.Answer({kNtlmChallenge}, "GET", "http://h/x", true);
  ASSERT_EQ(SchemeOf(authenticate), "NTLM");
  EXPECT_EQ(Base64Decode(authenticate->substr(5))->substr(8, 1), "\3");  // type 3
  EXPECT_TRUE(auth.NeedsSameConnection());

  const auto digest = auth.Answer(kAllSchemes, "GET", "http://h/x", true);
  ASSERT_EQ(SchemeOf(digest), "Digest");
  EXPECT_NE(digest->find("username=\"DOM\\\\user\""), std::string::npos);
  EXPECT_NE(digest->find("uri=\"http://h/x\""), std::string::npos);

  EXPECT_EQ(auth.Answer(kAllSchemes, "GET", "http://h/x", true), std::optional<std::string>("Basic " + Base64Encode("DOM\\user:secret")));
  EXPECT_EQ(auth.Answer(kAllSchemes, "GET", "http://h/x", true), std::nullopt);
}

TEST(HttpProxyAuthTest, NtlmNeedsTheConnectionKeptAndAChallengeToGoOn) {
  THttpProxyAuth closed("user", "secret");
  ASSERT_EQ(SchemeOf(closed.Answer(kAllSchemes, "GET", "/", true)), "NTLM");
  EXPECT_EQ(SchemeOf(closed.Answer({kNtlmChallenge, "Basic realm=x"}, "GET", "/", false)), "Basic");

  THttpProxyAuth garbled("user", "secret");
  ASSERT_EQ(SchemeOf(garbled.Answer(kAllSchemes, "GET", "/", true)), "NTLM");
  EXPECT_EQ(garbled.Answer({"NTLM bm90IG50bG0="}, "GET", "/", true), std::nullopt);
}

TEST(HttpProxyAuthTest, StaleDigestNonceGetsOneMoreTry) {
  THttpProxyAuth auth("user", "secret");
  ASSERT_EQ(SchemeOf(auth.Answer({"Digest realm=r, nonce=n1"}, "GET", "/", true)), "Digest");
  const auto again = auth.Answer({"Digest realm=r, nonce=n2, stale=true"}, "GET", "/", true);
  ASSERT_EQ(SchemeOf(again), "Digest");
  EXPECT_NE(again->find("nonce=\"n2\""), std::string::npos);
  EXPECT_EQ(auth.Answer({"Digest realm=r, nonce=n3, stale=true"}, "GET", "/", true), std::nullopt);
}

TEST(HttpProxyAuthTest, SendsNothingWithoutBothUserNameAndPassword) {
  EXPECT_EQ(THttpProxyAuth("user", "").Answer(kAllSchemes, "GET", "/", true), std::nullopt);
  EXPECT_EQ(THttpProxyAuth("", "secret").Answer(kAllSchemes, "GET", "/", true), std::nullopt);
  EXPECT_EQ(THttpProxyAuth("user", "secret").Answer({"Negotiate", "Bearer realm=x"}, "GET", "/", true), std::nullopt);
}
