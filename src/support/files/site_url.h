#pragma once
// The maker's web site ("http://host[:port]", no trailing slash): the build-time default, or the
// MODULIX_SITE_URL environment variable when it is set and not empty (used by tests and by anyone
// pointing the program at another server).
#include <string>

std::string MakerSiteUrl();

// The same rule over a given override (null or empty: the default); MakerSiteUrl passes the
// environment variable.
std::string MakerSiteUrlFrom(const char* overrideUrl);
