#include "ui/web_links.h"

#include "decoding/manufacturer.h"
#include "support/files/url_encode.h"

bool IsUsableLink(const std::string& value) {
  if (value.size() <= 1) return false;
  if (!TextStartsWith(value, "http://") && !TextStartsWith(value, "https://")) return false;
  for (unsigned char c : value) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

std::string ChooseBuyMemoryLink(const std::string& site, const std::string& value) {
  return IsUsableLink(value) ? value : site + "/modulix";
}

std::string ModuleSearchUrl(const std::string& site, const std::string& manufacturer,
                                   const std::string& model) {
  return site + "/modulix/index.php?keyword=" + UrlEncode(manufacturer + " " + model);
}

std::string DriversPageUrl(const std::string& site) { return site + "/quorin/drivers.php"; }
