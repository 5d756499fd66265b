#include "support/download/file_grabber_settings.h"
#include "support/system/registry.h"

TSettingsReader DefaultSettingsReader() {
  return [](const std::string& name) {
    try {
      return ReadQuorinValue(name);
    } catch (const RegistryTypeError&) {
      throw ESettingNotString(name);
    }
  };
}
