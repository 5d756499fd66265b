#include "support/download/file_grabber_settings.h"

// No registry here: the download always goes direct unless a test hands in its own reader.
TSettingsReader DefaultSettingsReader() {
  return [](const std::string&) { return std::string(); };
}
