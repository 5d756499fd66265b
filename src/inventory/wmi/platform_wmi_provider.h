#pragma once
// The system's own WMI: COM on Windows. Elsewhere there is none, and creating a locator raises
// WmiError (the readers then report Count = -1).
#include <memory>

#include "inventory/wmi/wmi_provider.h"

std::shared_ptr<WmiProvider> MakePlatformWmiProvider(WmiText text = WmiText::Ansi);
