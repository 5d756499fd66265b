#include "support/download/file_grabber_settings.h"
#include "support/system/registry.h"

TSettingsReader DefaultSettingsReader() { return ReadQuorinValue; }
