#include <gtest/gtest.h>

#include "support/http/http_test_hex.h"
#include "support/proxy_auth/hmac_md5.h"

// The sample data of RFC 2104 (the first three) and RFC 2202 (the long key, hashed first).
TEST(HmacMd5Test, MatchesThePublishedTestCases) {
  EXPECT_EQ(DigestToHex(HmacMd5(std::string(16, '\x0b'), "Hi There")), "9294727a3638bb1c13f48ef8158bfc9d");
  EXPECT_EQ(DigestToHex(HmacMd5("Jefe", "what do ya want for nothing?")), "750c783e6ab0b503eaa86e310a5db738");
  EXPECT_EQ(DigestToHex(HmacMd5(std::string(16, '\xaa'), std::string(50, '\xdd'))),
            "56be34521d144c88dbb8c733f0e8b3f6");
  EXPECT_EQ(DigestToHex(HmacMd5(std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First")),
            "6b1ab7fe4bd7bf8f0b62e6ce61b9d0cd");
}
