#include <gtest/gtest.h>

#include "support/http/http_test_hex.h"
#include "support/proxy_auth/md5.h"

// The test suite of RFC 1321, appendix A.5.
TEST(Md5Test, MatchesTheRfc1321TestSuite) {
  EXPECT_EQ(DigestToHex(Md5("")), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(DigestToHex(Md5("a")), "0cc175b9c0f1b6a831c399e269772661");
  EXPECT_EQ(DigestToHex(Md5("abc")), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(DigestToHex(Md5("message digest")), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(DigestToHex(Md5("abcdefghijklmnopqrstuvwxyz")), "c3fcd3d76192e4007dfb496cca67e13b");
  EXPECT_EQ(DigestToHex(Md5("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")),
            "d174ab98d277d9f5a5611c2c9f419d9f");
  EXPECT_EQ(DigestToHex(Md5("1234567890123456789012345678901234567890123456789012345678901234567890"
                            "1234567890")),
            "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5Test, PiecewiseUpdatesGiveTheSameDigestAcrossBlockBoundaries) {
  const std::string text(200, 'x');
  for (size_t split : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 127u, 199u}) {
    TMd5 md5;
    md5.Update(std::string_view(text).substr(0, split));
    md5.Update(std::string_view(text).substr(split));
    EXPECT_EQ(md5.Final(), Md5(text)) << "split at " << split;
  }
}
