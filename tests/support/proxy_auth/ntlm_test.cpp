#include <gtest/gtest.h>

#include "support/http/http_test_hex.h"
#include "support/proxy_auth/ntlm.h"
#include "support/proxy_auth/ntlm_text.h"

namespace {

// Microsoft's published NTLM protocol document (MS-NLMP), section 4.2: user "User", domain "Domain",
// password "Password", server challenge 0123456789abcdef, client challenge aa..aa, time 0.
const std::string kServerChallenge = HexToBytes("0123456789abcdef");
const std::string kClientChallenge(8, '\xaa');
// The CHALLENGE_MESSAGE of section 4.2.4.3: target "Server", AV pairs domain "Domain" and
// server "Server".
const std::string kChallengeMessage = HexToBytes(
    "4e544c4d53535000 02000000 0c000c00 38000000 33828ae2 0123456789abcdef 0000000000000000"
    "24002400 44000000 060070170000000f 530065007200760065007200"
    "02000c0044006f006d00610069006e00 01000c00530065007200760065007200 00000000");
const std::string kTargetInfo = HexToBytes(
    "02000c0044006f006d00610069006e00 01000c00530065007200760065007200 00000000");

uint32_t Get32(const std::string& bytes, size_t at) {
  return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

// The payload a (length, allocated, offset) field of an AUTHENTICATE_MESSAGE points at.
std::string Field(const std::string& message, size_t fieldOffset) {
  const uint32_t length = Get32(message, fieldOffset) & 0xffff;
  return message.substr(Get32(message, fieldOffset + 4), length);
}

}  // namespace

TEST(NtlmTest, ComputesThePublishedNtlmV2Values) {
  const TDigest128 key = NtOwfV2("User", "Password", "Domain");
  EXPECT_EQ(BytesToHex(key), "0c868a403bfd7a93a3001ef22ef02e3f");
  const TNtlmV2Response response = ComputeNtlmV2Response(key, kServerChallenge, kClientChallenge, 0, kTargetInfo);
  EXPECT_EQ(BytesToHex(response.NtResponse.substr(0, 16)), "68cd0ab851e51c96aabc927bebef6a1c");
  EXPECT_EQ(BytesToHex(response.LmResponse), "86c35097ac9cec102554764a57cccc19aaaaaaaaaaaaaaaa");
  EXPECT_EQ(BytesToHex(response.SessionBaseKey), "8de40ccadbc14a82f15cb0ad0de95ca3");
  // The blob after the proof: versions, reserved, time, client challenge, zeros, AV pairs, zeros.
  EXPECT_EQ(response.NtResponse.substr(16), HexToBytes("0101000000000000 0000000000000000 aaaaaaaaaaaaaaaa 00000000") +
                                                kTargetInfo + std::string(4, '\0'));
}

TEST(NtlmTest, ParsesThePublishedChallengeAndAnswersWithTheSameResponses) {
  const auto challenge = ParseNtlmChallenge(kChallengeMessage);
  ASSERT_TRUE(challenge);
  EXPECT_EQ(challenge->ServerChallenge, kServerChallenge);
  EXPECT_EQ(challenge->TargetInfo, kTargetInfo);
  EXPECT_FALSE(challenge->Timestamp);

  const std::string message =
      NtlmAuthenticateMessage(*challenge, NtlmCredentials("Domain\\User", "Password"), kClientChallenge, 0);
  EXPECT_EQ(message.substr(0, 12), std::string("NTLMSSP\0\3\0\0\0", 12));
  EXPECT_EQ(BytesToHex(Field(message, 12)), "86c35097ac9cec102554764a57cccc19aaaaaaaaaaaaaaaa");
  EXPECT_EQ(BytesToHex(Field(message, 20).substr(0, 16)), "68cd0ab851e51c96aabc927bebef6a1c");
  EXPECT_EQ(Field(message, 28), Utf16LeBytes(u"Domain"));
  EXPECT_EQ(Field(message, 36), Utf16LeBytes(u"User"));
  EXPECT_EQ(Get32(message, 60) & 1u, 1u);  // Unicode strings
}

TEST(NtlmTest, UsesTheServerTimeAndZeroLmResponseWhenTheChallengeCarriesATimestamp) {
  TNtlmChallenge challenge{0x00800000, kServerChallenge, "", std::nullopt};
  challenge.TargetInfo = HexToBytes("07000800 0102030405060708 00000000");
  const std::string bytes = std::string("NTLMSSP\0\2\0\0\0", 12) + std::string(8, '\0') + HexToBytes("00008000") +
                            kServerChallenge + std::string(8, '\0') + HexToBytes("10001000 30000000") +
                            challenge.TargetInfo;
  const auto parsed = ParseNtlmChallenge(bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Timestamp, std::optional<uint64_t>(0x0807060504030201ULL));

  const std::string message = NtlmAuthenticateMessage(*parsed, NtlmCredentials("User", "Password"), kClientChallenge, 99);
  EXPECT_EQ(Field(message, 12), std::string(24, '\0'));
  EXPECT_EQ(Field(message, 20).substr(24, 8), HexToBytes("0102030405060708"));  // the server's time
  EXPECT_EQ(Field(message, 28), "");                                            // no domain given
}

TEST(NtlmTest, RejectsMalformedChallenges) {
  EXPECT_FALSE(ParseNtlmChallenge(""));
  EXPECT_FALSE(ParseNtlmChallenge(kChallengeMessage.substr(0, 40)));
  std::string wrongType = kChallengeMessage;
  wrongType[8] = 3;
  EXPECT_FALSE(ParseNtlmChallenge(wrongType));
  std::string pastTheEnd = kChallengeMessage;
  pastTheEnd[40] = char(0xff);  // target info longer than the message
  EXPECT_FALSE(ParseNtlmChallenge(pastTheEnd));
}

TEST(NtlmTest, NegotiateMessageAsksForUnicodeNtlm) {
  const std::string message = NtlmNegotiateMessage();
  ASSERT_EQ(message.size(), 32u);
  EXPECT_EQ(message.substr(0, 12), std::string("NTLMSSP\0\1\0\0\0", 12));
  EXPECT_EQ(Get32(message, 12) & 0x201u, 0x201u);  // Unicode, NTLM
}

TEST(NtlmTest, UserNamesAreUpperCasedAndPasswordsKeptAsTheyAre) {
  EXPECT_EQ(NtOwfV2("user", "Password", "Domain"), NtOwfV2("USER", "Password", "Domain"));
  EXPECT_NE(NtOwfV2("User", "password", "Domain"), NtOwfV2("User", "Password", "Domain"));
  EXPECT_EQ(Utf16LeBytes(AnsiToUtf16("\xc3\xa9t\xc3\xa9")), std::string("\xe9\0t\0\xe9\0", 6));
}
