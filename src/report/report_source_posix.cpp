// Linux has no WMI: the report reads the SMBIOS tables the kernel keeps.
#include "report/report_source.h"

const char* const kFirmwareTablesRemedy =
    "run as root, or pass --smbios FILE written by 'dmidecode --dump-bin FILE'";

LoadedInventory LoadPlatformInventory() {
  try {
    SmbiosTable table = LoadFirmwareSmbios();
    return InventoryFromSmbios(table, FirmwareTablesFolder());
  } catch (const SmbiosReadError& e) {
    throw SourceError("cannot read " + e.File() + ": " + e.Reason() + "; " + kFirmwareTablesRemedy);
  }
}
