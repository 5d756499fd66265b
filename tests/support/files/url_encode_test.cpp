#include <gtest/gtest.h>

#include <string>

#include "support/files/url_encode.h"

TEST(UrlEncode, KeepsUnreservedBytesAndEncodesTheRest) {
  EXPECT_EQ(UrlEncode("DDR3 4GB, PC3-10600"), "DDR3%204GB%2C%20PC3-10600");
  EXPECT_EQ(UrlEncode("~"), "%7E");
  EXPECT_EQ(UrlEncode("\xE9"), "%E9");
  EXPECT_EQ(UrlEncode("AZaz09-._"), "AZaz09-._");
  EXPECT_EQ(UrlEncode(""), "");
}

TEST(UrlEncode, EncodesSeparatorsControlAndNulBytesWithTwoUpperCaseDigits) {
  EXPECT_EQ(UrlEncode("a+b&c=d/e?f#g%"), "a%2Bb%26c%3Dd%2Fe%3Ff%23g%25");
  EXPECT_EQ(UrlEncode(std::string("\x01\n\x7F\xFF", 4)), "%01%0A%7F%FF");
  EXPECT_EQ(UrlEncode(std::string("x\0y", 3)), "x%00y");
}

