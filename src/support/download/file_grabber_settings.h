#pragma once
// The proxy settings the downloader reads afresh at every download, one value at a time, from
// the settings the program shares with the maker's product Quorin.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Reads one named string value; empty when it is missing. Raises ESettingNotString for a value
// stored with another type.
using TSettingsReader = std::function<std::string(const std::string& name)>;

class ESettingNotString : public std::runtime_error {
 public:
  explicit ESettingNotString(const std::string& name) : std::runtime_error(name + " is not a string"), FName(name) {}
  const std::string& Name() const { return FName; }

 private:
  std::string FName;
};

struct TProxySettings {
  std::string Host;  // empty: direct connection
  std::string Port;  // decimal, "80" when the stored text is not an integer
  std::string UserName;
  std::string Password;
  std::vector<std::string> Ignored;  // names of values that were not strings, read as absent
};

// Only "UseHTTPProxy" exactly "1" switches the proxy on; then, and only then, the host, port
// and credentials are read. A value of another type than string counts as absent: another
// program's odd setting must not cost the download.
TProxySettings ReadProxySettings(const TSettingsReader& read);
// The stored port text as an integer formatted back ("0080" -> "80"), 80 for anything else.
std::string ProxyPortText(const std::string& stored);

// The platform's reader: ReadQuorinValue on Windows; elsewhere every value reads empty.
TSettingsReader DefaultSettingsReader();
