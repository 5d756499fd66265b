#include "ui/startup_texts.h"

#include "ui/app_title.h"

std::string StartupCaption(const std::string& fileVersion) {
  return std::string(kApplicationTitle) + " v" + fileVersion;
}

std::string LinksFileUrl(const std::string& site) { return site + "/modulix/modulix.ini"; }
