#include <gtest/gtest.h>

#include <cstdlib>

#include "build_config.h"
#include "support/files/site_url.h"

TEST(SiteUrl, DefaultUnlessAnOverrideIsGiven) {
  EXPECT_EQ(MakerSiteUrlFrom(nullptr), MODULIX_DEFAULT_SITE_URL);
  EXPECT_EQ(MakerSiteUrlFrom(""), MODULIX_DEFAULT_SITE_URL);
  EXPECT_EQ(MakerSiteUrlFrom("http://127.0.0.1:8080"), "http://127.0.0.1:8080");
  EXPECT_EQ(MakerSiteUrlFrom("http://127.0.0.1:8080//"), "http://127.0.0.1:8080");
  EXPECT_EQ(MakerSiteUrlFrom("http://site-2.example:65535"), "http://site-2.example:65535");
}

TEST(SiteUrl, AnOverrideThatIsNotJustHostAndPortIsIgnored) {
  for (const char* ignored :
       {"http://h.example/modulix", "http://user@h.example", "http://user:pw@h.example",
        "https://h.example", "ftp://h.example", "h.example", " http://h.example", "http://",
        "http://:80", "http://h.example:", "http://h.example:0", "http://h.example:65536",
        "http://h.example:123456", "http://h.example:80x", "http://h.example?x=1",
        "http://h.example#top", "http://h.example\r\nX-Injected: 1", "http://h.ex\tample",
        "http://h.example\x7F", "http://[::1]:80", "http://h\xC3\xA9.example"}) {
    EXPECT_EQ(MakerSiteUrlFrom(ignored), MODULIX_DEFAULT_SITE_URL) << ignored;
  }
}

TEST(SiteUrl, ReadsTheEnvironmentAtEachCall) {
  unsetenv("MODULIX_SITE_URL");
  EXPECT_EQ(MakerSiteUrl(), MODULIX_DEFAULT_SITE_URL);
  setenv("MODULIX_SITE_URL", "http://localhost:9/", 1);
  EXPECT_EQ(MakerSiteUrl(), "http://localhost:9");
  unsetenv("MODULIX_SITE_URL");
  EXPECT_EQ(MakerSiteUrl(), MODULIX_DEFAULT_SITE_URL);
}
