#include "support/files/site_url.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "build_config.h"

namespace {
constexpr const char* kSiteUrlVariable = "MODULIX_SITE_URL";
constexpr std::string_view kScheme = "http://";
constexpr size_t kMaxPortDigits = 5;
constexpr unsigned kMaxPort = 65535;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHostCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '.';
}

bool IsPort(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxPortDigits) return false;
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return false;
  unsigned value = 0;
  for (char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  return value >= 1 && value <= kMaxPort;
}

// "host" or "host:port": a name or IPv4 address, nothing else (no path, user, query or
// control character can reach the requests and pages built on it).
bool IsHostAndPort(std::string_view authority) {
  const size_t colon = authority.find(':');
  const std::string_view host = authority.substr(0, colon);
  if (host.empty() || !std::all_of(host.begin(), host.end(), IsHostCharacter)) return false;
  return colon == std::string_view::npos || IsPort(authority.substr(colon + 1));
}
}  // namespace

std::string MakerSiteUrlFrom(const char* overrideUrl) {
  if (overrideUrl == nullptr) return MODULIX_DEFAULT_SITE_URL;
  std::string_view url = overrideUrl;
  // Paths are appended as "/forum" etc.; a trailing slash names the same site and would double.
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  if (!url.starts_with(kScheme) || !IsHostAndPort(url.substr(kScheme.size())))
    return MODULIX_DEFAULT_SITE_URL;
  return std::string(url);
}

std::string MakerSiteUrl() { return MakerSiteUrlFrom(std::getenv(kSiteUrlVariable)); }
