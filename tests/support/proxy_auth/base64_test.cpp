#include <gtest/gtest.h>

#include "support/proxy_auth/base64.h"

// RFC 4648, section 10.
TEST(Base64Test, EncodesAndDecodesTheRfc4648Vectors) {
  const std::pair<const char*, const char*> vectors[] = {
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"}};
  for (const auto& [plain, encoded] : vectors) {
    EXPECT_EQ(Base64Encode(plain), encoded);
    EXPECT_EQ(Base64Decode(encoded), std::optional<std::string>(plain));
  }
  const std::string binary("\x00\xff\x10\x80", 4);
  EXPECT_EQ(Base64Decode(Base64Encode(binary)), binary);
}

TEST(Base64Test, RejectsTextThatIsNotBase64) {
  for (const char* bad : {"Zg=", "Zg", "Z===", "Zm9v!mFy", "Zg==Zg==", "Z=g=", "Zm 9v"})
    EXPECT_EQ(Base64Decode(bad), std::nullopt) << bad;
}
