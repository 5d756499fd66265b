#include <gtest/gtest.h>

#include "support/proxy_auth/digest_auth.h"

namespace {

TDigestChallenge ChallengeOf(const std::string& header) {
  const auto challenges = ParseAuthChallenges(header);
  EXPECT_EQ(challenges.size(), 1u);
  const auto digest = DigestChallengeFrom(challenges.at(0));
  EXPECT_TRUE(digest);
  return digest.value_or(TDigestChallenge{});
}

}  // namespace

// RFC 7616, section 3.9.1 (MD5).
TEST(DigestAuthTest, MatchesTheRfc7616Example) {
  const TDigestChallenge challenge = ChallengeOf(
      "Digest realm=\"http-auth@example.org\", qop=\"auth, auth-int\", algorithm=MD5, "
      "nonce=\"7ypf/xlj9XXwfDPEoM4URrv/xwf94BcCAzFZH4GiTo0v\", "
      "opaque=\"FQhe/qaU925kfnzjCev0ciny7QMkPqMAFRtzCUYo5tdS\"");
  const TDigestRequest request{"GET", "/dir/index.html", "Mufasa", "Circle of Life",
                               "f2/wE4q74E6zIJEtWaHKaf5wv/H5QzzpXusqGemxURZJ", 1};
  EXPECT_EQ(DigestResponse(challenge, request), "8ca523f5e9506fed4657c9700eebdbec");
  EXPECT_EQ(DigestAuthorization(challenge, request),
            "Digest username=\"Mufasa\", realm=\"http-auth@example.org\", "
            "nonce=\"7ypf/xlj9XXwfDPEoM4URrv/xwf94BcCAzFZH4GiTo0v\", uri=\"/dir/index.html\", algorithm=MD5, "
            "response=\"8ca523f5e9506fed4657c9700eebdbec\", opaque=\"FQhe/qaU925kfnzjCev0ciny7QMkPqMAFRtzCUYo5tdS\", "
            "qop=auth, nc=00000001, cnonce=\"f2/wE4q74E6zIJEtWaHKaf5wv/H5QzzpXusqGemxURZJ\"");
}

// RFC 2617, section 3.5, which RFC 7616 keeps compatible.
TEST(DigestAuthTest, MatchesTheRfc2617Example) {
  const TDigestChallenge challenge = ChallengeOf(
      "Digest realm=\"testrealm@host.com\", qop=\"auth,auth-int\", nonce=\"dcd98b7102dd2f0e8b11d0f600bfb0c093\", "
      "opaque=\"5ccc069c403ebaf9f0171e9517f40e41\"");
  const TDigestRequest request{"GET", "/dir/index.html", "Mufasa", "Circle Of Life", "0a4f113b", 1};
  EXPECT_EQ(DigestResponse(challenge, request), "6629fae49393a05397450978507c4ef1");
}

TEST(DigestAuthTest, AnswersOnlyWhatItCanCompute) {
  const auto parse = [](const std::string& header) { return DigestChallengeFrom(ParseAuthChallenges(header).at(0)); };
  EXPECT_FALSE(parse("Digest realm=\"r\", nonce=\"n\", algorithm=SHA-256"));
  EXPECT_FALSE(parse("Digest realm=\"r\", nonce=\"n\", qop=\"auth-int\""));
  EXPECT_FALSE(parse("Digest realm=\"r\""));  // no nonce
  EXPECT_FALSE(parse("Basic realm=\"r\""));
  const auto stale = parse("Digest realm=\"r\", nonce=\"n\", stale=TRUE, algorithm=md5-sess, qop=auth");
  ASSERT_TRUE(stale);
  EXPECT_TRUE(stale->Stale);
  EXPECT_TRUE(stale->QopAuth);
}

TEST(DigestAuthTest, WithoutQopUsesTheOldFormAndQuotesTheUserName) {
  TDigestChallenge challenge;
  challenge.Realm = "r";
  challenge.Nonce = "n";
  const TDigestRequest request{"GET", "http://h/x", "a\"b\\c", "p", "c", 1};
  const std::string value = DigestAuthorization(challenge, request);
  EXPECT_EQ(value.find("qop"), std::string::npos);
  EXPECT_NE(value.find("username=\"a\\\"b\\\\c\""), std::string::npos) << value;
  EXPECT_NE(value.find("uri=\"http://h/x\""), std::string::npos);
}
