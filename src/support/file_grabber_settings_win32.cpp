#include "support/file_grabber_settings.h"
#include "support/registry.h"

TSettingsReader DefaultSettingsReader() { return ReadQuorinValue; }
