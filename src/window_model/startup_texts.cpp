#include "window_model/startup_texts.h"

#include "window_model/app_title.h"

std::string StartupCaption(const std::string& fileVersion) {
  return std::string(kApplicationTitle) + " v" + fileVersion;
}

std::string LinksFileUrl(const std::string& site) { return site + "/modulix/modulix.ini"; }
