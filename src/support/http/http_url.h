#pragma once
// Plain-HTTP addresses: "http://host[:port][/path][?query]", the host a name or an IPv4 address.
// Relative redirection targets are resolved as RFC 3986 section 5.2 says.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr uint16_t kHttpDefaultPort = 80;

struct THttpUrl {
  std::string Host;
  uint16_t Port = kHttpDefaultPort;
  bool PortGiven = false;  // the address names its port (even ":80")
  std::string Path = "/";  // path and query; starts with '/'; no fragment
};

// Nothing for another scheme, an empty or bracketed host, user information, a bad port, or
// control characters and spaces anywhere (they could end a request line early). Bytes above
// 0x7F in the path are percent-encoded.
std::optional<THttpUrl> ParseHttpUrl(std::string_view text);
std::optional<THttpUrl> ResolveHttpLocation(const THttpUrl& base, std::string_view location);

// "http://host[:port]/path", the form a proxy is given; the port only when the address names it.
std::string HttpAbsoluteUrl(const THttpUrl& url);
// The "Host" value: ":port" only for a port other than 80.
std::string HttpHostHeader(const THttpUrl& url);

struct THostPort {
  std::string Host;
  std::optional<uint16_t> Port;
};
// "host" or "host:port" (an "http://" prefix and a trailing "/" are tolerated): how the proxy
// host setting is read.
std::optional<THostPort> ParseHostPort(std::string_view authority);
// A decimal port 1..65535 (leading zeros allowed); nothing otherwise.
std::optional<uint16_t> ParsePort(std::string_view text);
