// Windows: the same WMI classes the window reads.
#include <windows.h>
#include <objbase.h>

#include "report/report_source.h"
#include "inventory/wmi/com_apartment_win32.h"


const char* const kFirmwareTablesRemedy =
    "leave out --smbios to read WMI, or pass --smbios FILE written by 'dmidecode --dump-bin FILE'";

LoadedInventory LoadPlatformInventory() {
  static ComApartment apartment;  // WMI needs COM on this thread until the program ends
  return {"wmi", DefaultWmiProvider(), std::nullopt, ""};
}
