#include "support/download/file_grabber_settings.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int kDefaultProxyPort = 80;

// A signed decimal integer that fits in 32 bits, nothing before or after it.
bool ParseInteger(const std::string& text, int32_t& value) {
  size_t at = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (at == text.size()) return false;
  int64_t number = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return false;
    number = number * 10 + (text[at] - '0');
    if (number > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
  }
  if (text[0] == '-') number = -number;
  if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) return false;
  value = int32_t(number);
  return true;
}

std::string ReadString(const TSettingsReader& read, const std::string& name, std::vector<std::string>& ignored) {
  try {
    return read(name);
  } catch (const ESettingNotString&) {
    ignored.push_back(name);
    return {};
  }
}

}  // namespace

std::string ProxyPortText(const std::string& stored) {
  int32_t port = kDefaultProxyPort;
  if (!ParseInteger(stored, port)) port = kDefaultProxyPort;
  return std::to_string(port);
}

TProxySettings ReadProxySettings(const TSettingsReader& read) {
  TProxySettings settings;
  auto& ignored = settings.Ignored;
  if (ReadString(read, "UseHTTPProxy", ignored) != "1") return settings;
  settings.Host = ReadString(read, "HTTPProxyHost", ignored);
  settings.Port = ProxyPortText(ReadString(read, "HTTPProxyPort", ignored));
  settings.UserName = ReadString(read, "HTTPProxyUserName", ignored);
  settings.Password = ReadString(read, "HTTPProxyPassword", ignored);
  return settings;
}
