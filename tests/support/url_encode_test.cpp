#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "support/url_encode.h"

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

TEST(UrlEncode, EveryByteValueEncodesToItselfOrThreeCharacters) {
  for (int b = 0; b < 256; ++b) {
    const std::string encoded = UrlEncode(std::string(1, static_cast<char>(b)));
    const bool kept = std::isalnum(b) && b < 128;
    const bool unreserved = kept || b == '-' || b == '.' || b == '_';
    ASSERT_EQ(encoded.size(), unreserved ? 1u : 3u) << b;
    if (!unreserved) {
      EXPECT_EQ(std::stoi(encoded.substr(1), nullptr, 16), b);
    }
  }
}
