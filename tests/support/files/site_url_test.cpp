#include <gtest/gtest.h>

#include <cstdlib>

#include "build_config.h"
#include "support/files/site_url.h"

TEST(SiteUrl, DefaultUnlessAnOverrideIsGiven) {
  EXPECT_EQ(MakerSiteUrlFrom(nullptr), MODULIX_DEFAULT_SITE_URL);
  EXPECT_EQ(MakerSiteUrlFrom(""), MODULIX_DEFAULT_SITE_URL);
  EXPECT_EQ(MakerSiteUrlFrom("http://127.0.0.1:8080"), "http://127.0.0.1:8080");
  EXPECT_EQ(MakerSiteUrlFrom("http://127.0.0.1:8080//"), "http://127.0.0.1:8080");
}

TEST(SiteUrl, ReadsTheEnvironmentAtEachCall) {
  unsetenv("MODULIX_SITE_URL");
  EXPECT_EQ(MakerSiteUrl(), MODULIX_DEFAULT_SITE_URL);
  setenv("MODULIX_SITE_URL", "http://localhost:9/", 1);
  EXPECT_EQ(MakerSiteUrl(), "http://localhost:9");
  unsetenv("MODULIX_SITE_URL");
  EXPECT_EQ(MakerSiteUrl(), MODULIX_DEFAULT_SITE_URL);
}
