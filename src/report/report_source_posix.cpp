// Linux has no WMI: the report reads the SMBIOS tables the kernel keeps (root only), else the
// copy of their memory structures udev keeps for every user.
#include "inventory/udev/udev_source.h"
#include "report/report_source.h"

const char* const kFirmwareTablesRemedy =
    "run as root, or pass --smbios FILE written by 'dmidecode --dump-bin FILE'";

namespace {

const char* const kNeitherRemedy =
    "run as root, or let systemd-udevd store the memory devices (udevadm trigger "
    "--subsystem-match=dmi), or pass --smbios FILE or --udev FILE";

}  // namespace

LoadedInventory LoadPlatformInventory() {
  std::string tablesError;
  try {
    SmbiosTable table = LoadFirmwareSmbios();
    return InventoryFromSmbios(table, FirmwareTablesFolder());
  } catch (const SmbiosReadError& e) {
    tablesError = e.File() + ": " + e.Reason();
  }
  const std::string database = UdevDatabasePath();
  try {
    return InventoryFromUdev(LoadUdevMemory(database), database);
  } catch (const UdevReadError& e) {
    throw SourceError("cannot read the firmware tables (" + tablesError +
                      ") nor the udev database (" + e.File() + ": " + e.Reason() + "); " +
                      kNeitherRemedy);
  }
}
