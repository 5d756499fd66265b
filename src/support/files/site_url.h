#pragma once
// The maker's web site ("http://host[:port]", no trailing slash): the build-time default, or the
// MODULIX_SITE_URL environment variable (used by tests and by anyone pointing the program at
// another server) when it is exactly of that form, trailing slashes aside. Anything else (a path,
// user information, another scheme, control characters) is ignored.
#include <string>

std::string MakerSiteUrl();

// The same rule over a given override (null: the default); MakerSiteUrl passes the environment
// variable.
std::string MakerSiteUrlFrom(const char* overrideUrl);
