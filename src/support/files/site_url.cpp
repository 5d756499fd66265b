#include "support/files/site_url.h"

#include <cstdlib>

#include "build_config.h"

namespace {
constexpr const char* kSiteUrlVariable = "MODULIX_SITE_URL";
}  // namespace

std::string MakerSiteUrlFrom(const char* overrideUrl) {
  std::string url = (overrideUrl && *overrideUrl) ? overrideUrl : MODULIX_DEFAULT_SITE_URL;
  // Paths are appended as "/forum" etc.; a trailing slash would double it.
  while (!url.empty() && url.back() == '/') url.pop_back();
  return url;
}

std::string MakerSiteUrl() { return MakerSiteUrlFrom(std::getenv(kSiteUrlVariable)); }
