#include <gtest/gtest.h>

#include "support/proxy_auth/md4.h"

// The test suite of RFC 1320, appendix A.5.
TEST(Md4Test, MatchesTheRfc1320TestSuite) {
  EXPECT_EQ(DigestToHex(Md4("")), "31d6cfe0d16ae931b73c59d7e0c089c0");
  EXPECT_EQ(DigestToHex(Md4("a")), "bde52cb31de33e46245e05fbdbd6fb24");
  EXPECT_EQ(DigestToHex(Md4("abc")), "a448017aaf21d8525fc10ae87aa6729d");
  EXPECT_EQ(DigestToHex(Md4("message digest")), "d9130a8164549fe818874806e1c7014b");
  EXPECT_EQ(DigestToHex(Md4("abcdefghijklmnopqrstuvwxyz")), "d79e1c308aa5bbcdeea8ed63df412da9");
  EXPECT_EQ(DigestToHex(Md4("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")),
            "043f8582f241db351ce627e153e7f0e4");
  EXPECT_EQ(DigestToHex(Md4("1234567890123456789012345678901234567890123456789012345678901234567890"
                            "1234567890")),
            "e33b4ddc9c38f2199c3e7b164fcc0536");
}
