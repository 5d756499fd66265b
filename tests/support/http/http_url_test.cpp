#include <gtest/gtest.h>

#include "support/http/http_url.h"

namespace {
std::string Absolute(const std::string& text) {
  const auto url = ParseHttpUrl(text);
  return url ? HttpAbsoluteUrl(*url) : "<invalid>";
}
std::string Resolve(const std::string& base, const std::string& location) {
  const auto target = ResolveHttpLocation(*ParseHttpUrl(base), location);
  return target ? HttpAbsoluteUrl(*target) : "<invalid>";
}
}  // namespace

TEST(HttpUrlTest, ParsesHostPortAndPath) {
  const auto url = ParseHttpUrl("HTTP://www.tervane.example:8080/modulix/modulix.ini?x=1#top");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->Host, "www.tervane.example");
  EXPECT_EQ(url->Port, 8080);
  EXPECT_TRUE(url->PortGiven);
  EXPECT_EQ(url->Path, "/modulix/modulix.ini?x=1");
  EXPECT_EQ(Absolute("http://h"), "http://h/");
  EXPECT_EQ(Absolute("http://h?q"), "http://h/?q");
  EXPECT_EQ(Absolute("http://h:/x"), "http://h/x");
  EXPECT_EQ(Absolute("http://h:0080/x"), "http://h:80/x");
  EXPECT_EQ(Absolute("http://h/a/./b/../c"), "http://h/a/c");
  EXPECT_EQ(Absolute("http://h/caf\xc3\xa9"), "http://h/caf%C3%A9");
}

TEST(HttpUrlTest, HostHeaderNamesThePortOnlyWhenItIsNot80) {
  EXPECT_EQ(HttpHostHeader(*ParseHttpUrl("http://h/")), "h");
  EXPECT_EQ(HttpHostHeader(*ParseHttpUrl("http://h:80/")), "h");
  EXPECT_EQ(HttpHostHeader(*ParseHttpUrl("http://h:8080/")), "h:8080");
}

TEST(HttpUrlTest, RejectsWhatCannotBeRequestedSafely) {
  for (const char* bad : {"https://h/", "ftp://h/", "http://", "http:///x", "http://user:pw@h/", "http://[::1]/",
                          "http://h:0/", "http://h:65536/", "http://h:8o/", "http://h/a b", "http://h/\r\nX: y",
                          "h/x", ""})
    EXPECT_EQ(Absolute(bad), "<invalid>") << bad;
}

TEST(HttpUrlTest, ResolvesRedirectionTargetsAsRfc3986Says) {
  const std::string base = "http://a:81/b/c/d;p?q";
  EXPECT_EQ(Resolve(base, "g"), "http://a:81/b/c/g");
  EXPECT_EQ(Resolve(base, "./g/"), "http://a:81/b/c/g/");
  EXPECT_EQ(Resolve(base, "/g"), "http://a:81/g");
  EXPECT_EQ(Resolve(base, "?y"), "http://a:81/b/c/d;p?y");
  EXPECT_EQ(Resolve(base, "g?y#s"), "http://a:81/b/c/g?y");
  EXPECT_EQ(Resolve(base, ".."), "http://a:81/b/");
  EXPECT_EQ(Resolve(base, "../../../g"), "http://a:81/g");
  EXPECT_EQ(Resolve(base, ""), "http://a:81/b/c/d;p?q");
  EXPECT_EQ(Resolve(base, "//other/x"), "http://other/x");
  EXPECT_EQ(Resolve(base, "http://other:82/y"), "http://other:82/y");
  EXPECT_EQ(Resolve(base, "https://other/y"), "<invalid>");
  EXPECT_EQ(Resolve(base, "/x y"), "<invalid>");
}

TEST(HttpUrlTest, ReadsProxyHostValuesLikeAnAuthority) {
  const auto plain = ParseHostPort("proxy.lan");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->Host, "proxy.lan");
  EXPECT_FALSE(plain->Port);
  const auto withPort = ParseHostPort("http://10.0.0.1:3128/");
  ASSERT_TRUE(withPort);
  EXPECT_EQ(withPort->Host, "10.0.0.1");
  EXPECT_EQ(withPort->Port, std::optional<uint16_t>(3128));
  EXPECT_FALSE(ParseHostPort(":3128"));
  EXPECT_FALSE(ParseHostPort("proxy:abc"));
  EXPECT_EQ(ParsePort("0080"), std::optional<uint16_t>(80));
  EXPECT_EQ(ParsePort(""), std::nullopt);
  EXPECT_EQ(ParsePort("-1"), std::nullopt);
}
