#include <gtest/gtest.h>

#include "support/proxy_auth/http_auth_challenge.h"

TEST(HttpAuthChallengeTest, SplitsSeveralSchemesWithParametersAndTokens) {
  const auto challenges = ParseAuthChallenges(
      "NTLM, Negotiate, Basic realm=\"Squid proxy\", Digest realm=\"a,b\", nonce=\"x\\\"y\", qop=\"auth\", stale=false");
  ASSERT_EQ(challenges.size(), 4u);
  EXPECT_TRUE(challenges[0].IsScheme("ntlm"));
  EXPECT_TRUE(challenges[0].Params.empty());
  EXPECT_TRUE(challenges[1].IsScheme("Negotiate"));
  EXPECT_EQ(challenges[2].Param("realm"), std::optional<std::string>("Squid proxy"));
  EXPECT_TRUE(challenges[3].IsScheme("Digest"));
  EXPECT_EQ(challenges[3].Param("REALM"), std::optional<std::string>("a,b"));
  EXPECT_EQ(challenges[3].Param("nonce"), std::optional<std::string>("x\"y"));
  EXPECT_EQ(challenges[3].Param("stale"), std::optional<std::string>("false"));
}

TEST(HttpAuthChallengeTest, ReadsBase64TokensWithTheirPadding) {
  const auto challenges = ParseAuthChallenges("NTLM TlRMTVNTUAACAAAA==, Basic realm=x");
  ASSERT_EQ(challenges.size(), 2u);
  EXPECT_EQ(challenges[0].Token68, "TlRMTVNTUAACAAAA==");
  EXPECT_TRUE(challenges[0].Params.empty());
  EXPECT_EQ(challenges[1].Param("realm"), std::optional<std::string>("x"));
}

TEST(HttpAuthChallengeTest, KeepsWhatCameBeforeGarbage) {
  const auto unterminated = ParseAuthChallenges("Basic realm=\"x\", Digest nonce=\"never closed");
  ASSERT_EQ(unterminated.size(), 2u);
  EXPECT_EQ(unterminated[0].Param("realm"), std::optional<std::string>("x"));
  EXPECT_TRUE(ParseAuthChallenges("").empty());
  EXPECT_TRUE(ParseAuthChallenges(" , ,").empty());
  EXPECT_EQ(ParseAuthChallenges("Basic realm=x, @@@").size(), 1u);
}

TEST(HttpAuthChallengeTest, QuotesValuesForWritingBack) {
  EXPECT_EQ(QuoteHttpString("plain"), "\"plain\"");
  EXPECT_EQ(QuoteHttpString("a\"b\\c"), "\"a\\\"b\\\\c\"");
}
