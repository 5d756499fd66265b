#pragma once
// WMI on Windows leaves out facts the firmware's SMBIOS tables hold (configured speeds and
// voltages on older versions, the empty slots always); these combine the two.
#include <memory>

#include "inventory/smbios/smbios_memory.h"
#include "inventory/wmi/in_memory_provider.h"
#include "report/report_source.h"

// Both memory classes as the provider serves them; a class whose query fails is left out.
WmiClassTable ReadMemoryClasses(std::shared_ptr<WmiProvider> provider);

// WMI's values stay; a property WMI leaves null or lacks takes the firmware's value, but only
// where the two describe the same modules (as many, in the same slots, in the same order) or
// the same arrays (as many; all of the firmware's when WMI lists none). The empty slots come
// from the firmware on the same condition.
LoadedInventory CombineWmiAndFirmware(WmiClassTable wmi, const SmbiosMemoryInventory& firmware);
