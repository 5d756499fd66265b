#pragma once
// The proxy settings the downloader reads afresh at every download, one value at a time, from
// the settings the program shares with the maker's product Quorin.
#include <functional>
#include <string>

// Reads one named string value; empty when it is missing.
using TSettingsReader = std::function<std::string(const std::string& name)>;

struct TProxySettings {
  std::string Host;  // empty: direct connection
  std::string Port;  // decimal, "80" when the stored text is not an integer
  std::string UserName;
  std::string Password;
};

// Only "UseHTTPProxy" exactly "1" switches the proxy on; then, and only then, the host, port
// and credentials are read.
TProxySettings ReadProxySettings(const TSettingsReader& read);
// The stored port text as an integer formatted back ("0080" -> "80"), 80 for anything else.
std::string ProxyPortText(const std::string& stored);

// The platform's reader: ReadQuorinValue on Windows; elsewhere every value reads empty.
TSettingsReader DefaultSettingsReader();
