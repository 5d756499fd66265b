#include "window_model/web_links.h"

#include <string_view>

#include "decoding/manufacturer.h"
#include "support/files/url_encode.h"

namespace {
// Something names a host between the scheme and the first "/", "?" or "#", once user
// information and port are set aside.
bool NamesAHost(std::string_view value) {
  const size_t start = value.find("://") + 3;
  std::string_view authority = value.substr(start, value.find_first_of("/?#", start) - start);
  const size_t at = authority.rfind('@');
  if (at != std::string_view::npos) authority.remove_prefix(at + 1);
  return !authority.empty() && authority.front() != ':';
}
}  // namespace

bool IsUsableLink(const std::string& value) {
  if (value.size() <= 1) return false;
  if (!TextStartsWith(value, "http://") && !TextStartsWith(value, "https://")) return false;
  for (unsigned char c : value) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return NamesAHost(value);
}

std::string ChooseBuyMemoryLink(const std::string& site, const std::string& value) {
  return IsUsableLink(value) ? value : site + "/modulix";
}

std::string ModuleSearchUrl(const std::string& site, const std::string& manufacturer,
                                   const std::string& model) {
  return site + "/modulix/index.php?keyword=" + UrlEncode(manufacturer + " " + model);
}

std::string DriversPageUrl(const std::string& site) { return site + "/quorin/drivers.php"; }
