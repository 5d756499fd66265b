#pragma once
// Who made the machine, from SMBIOS types 0 (BIOS), 1 (system) and 2 (baseboard), as the WMI
// classes Windows builds from them: Win32_BIOS, Win32_ComputerSystem and Win32_BaseBoard, each
// with one instance holding the texts the table gives (null where it gives none), or none.
#include "inventory/smbios/smbios_table.h"
#include "inventory/wmi/in_memory_provider.h"

void MapSmbiosSystem(const SmbiosTable& table, WmiClassTable& classes);
