#include "support/http/http_url.h"

#include <vector>

#include "support/http_transport/http_text.h"

namespace {

constexpr std::string_view kScheme = "http://";
constexpr size_t kMaxPortDigits = 5;

bool IsHostChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

bool HasForbiddenChar(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f) return true;
  return false;
}

std::string EncodeHighBytes(std::string_view path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

// The scheme of a reference ("https:" of "https://x"), lower-cased; empty when it has none.
std::string SchemeOf(std::string_view reference) {
  for (size_t i = 0; i < reference.size(); ++i) {
    const char c = reference[i];
    if (c == ':') return i > 0 ? AsciiLower(reference.substr(0, i)) : "";
    const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                            (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!schemeChar) return "";
  }
  return "";
}

// RFC 3986 5.2.4, on the path part only.
std::string RemoveDotSegments(std::string_view path) {
  std::vector<std::string_view> kept;
  size_t start = 1;  // the path starts with '/'
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view segment = path.substr(start, end - start);
    const bool last = end == path.size();
    if (segment == "..") {
      if (!kept.empty()) kept.pop_back();
      if (last) kept.push_back("");
    } else if (segment == ".") {
      if (last) kept.push_back("");
    } else {
      kept.push_back(segment);
    }
    start = end + 1;
  }
  std::string result;
  for (std::string_view segment : kept) (result += '/') += segment;
  return result.empty() ? "/" : result;
}

std::string NormalizePath(std::string_view pathAndQuery) {
  const size_t query = pathAndQuery.find('?');
  const std::string_view path = pathAndQuery.substr(0, query);
  std::string normalized = RemoveDotSegments(path.empty() ? "/" : path);
  if (query != std::string_view::npos) normalized += pathAndQuery.substr(query);
  return normalized;
}

std::string_view WithoutFragment(std::string_view text) { return text.substr(0, text.find('#')); }

std::string Directory(const std::string& path) {
  const std::string pathOnly = path.substr(0, path.find('?'));
  return pathOnly.substr(0, pathOnly.rfind('/') + 1);
}

}  // namespace

std::optional<uint16_t> ParsePort(std::string_view text) {
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.empty() || text.size() > kMaxPortDigits) return std::nullopt;
  uint32_t port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + uint32_t(c - '0');
  }
  if (port == 0 || port > 65535) return std::nullopt;
  return uint16_t(port);
}

std::optional<THostPort> ParseHostPort(std::string_view authority) {
  if (authority.size() >= kScheme.size() && EqualsIgnoreCase(authority.substr(0, kScheme.size()), kScheme))
    authority.remove_prefix(kScheme.size());
  if (!authority.empty() && authority.back() == '/') authority.remove_suffix(1);
  THostPort result;
  const size_t colon = authority.rfind(':');
  std::string_view host = authority.substr(0, colon);
  if (colon != std::string_view::npos && colon + 1 < authority.size()) {
    result.Port = ParsePort(authority.substr(colon + 1));
    if (!result.Port) return std::nullopt;
  }
  if (host.empty()) return std::nullopt;
  for (char c : host)
    if (!IsHostChar(c)) return std::nullopt;
  result.Host = std::string(host);
  return result;
}

std::optional<THttpUrl> ParseHttpUrl(std::string_view text) {
  if (HasForbiddenChar(text) || text.size() < kScheme.size() ||
      !EqualsIgnoreCase(text.substr(0, kScheme.size()), kScheme))
    return std::nullopt;
  text = WithoutFragment(text.substr(kScheme.size()));
  const size_t pathStart = text.find_first_of("/?");
  const std::string_view authority = text.substr(0, pathStart);
  if (authority.find('@') != std::string_view::npos) return std::nullopt;
  const auto hostPort = ParseHostPort(authority);
  if (!hostPort) return std::nullopt;
  THttpUrl url;
  url.Host = hostPort->Host;
  url.Port = hostPort->Port.value_or(kHttpDefaultPort);
  url.PortGiven = hostPort->Port.has_value();
  std::string rest(pathStart == std::string_view::npos ? "" : text.substr(pathStart));
  if (!rest.empty() && rest[0] == '?') rest.insert(0, "/");
  url.Path = NormalizePath(EncodeHighBytes(rest));
  return url;
}

std::optional<THttpUrl> ResolveHttpLocation(const THttpUrl& base, std::string_view location) {
  location = WithoutFragment(location);
  if (HasForbiddenChar(location)) return std::nullopt;
  if (!SchemeOf(location).empty()) return ParseHttpUrl(location);
  if (location.substr(0, 2) == "//") return ParseHttpUrl("http:" + std::string(location));
  THttpUrl url = base;
  const std::string reference = EncodeHighBytes(location);
  if (reference.empty()) return url;
  if (reference[0] == '/')
    url.Path = NormalizePath(reference);
  else if (reference[0] == '?')
    url.Path = base.Path.substr(0, base.Path.find('?')) + reference;
  else
    url.Path = NormalizePath(Directory(base.Path) + reference);
  return url;
}

std::string HttpAbsoluteUrl(const THttpUrl& url) {
  std::string text = std::string(kScheme) + url.Host;
  if (url.PortGiven) text.append(":").append(std::to_string(url.Port));
  return text + url.Path;
}

std::string HttpHostHeader(const THttpUrl& url) {
  return url.Port == kHttpDefaultPort ? url.Host : url.Host + ":" + std::to_string(url.Port);
}
