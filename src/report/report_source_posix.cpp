// Linux has no WMI: the report reads the SMBIOS tables the kernel keeps (root only), else the
// copy of their memory structures udev keeps for every user.
#include "inventory/udev/udev_source.h"
#include "report/report_source.h"

#include <unistd.h>

#include <cerrno>

std::string FirmwareTablesRemedy(int systemError, bool runsAsRoot) {
  const std::string dump = "pass --smbios FILE written by 'dmidecode --dump-bin FILE'";
  // The kernel's copy is readable by root only; missing or broken tables are no matter of rights.
  const bool denied = systemError == EACCES || systemError == EPERM;
  return denied && !runsAsRoot ? "run as root, or " + dump : dump;
}

std::string FirmwareTablesRemedy(const SmbiosReadError& e) {
  return FirmwareTablesRemedy(e.SystemError(), geteuid() == 0);
}

std::string UdevFallbackRemedy(int tablesSystemError, bool runsAsRoot) {
  const std::string rest =
      "let systemd-udevd store the memory devices (udevadm trigger --subsystem-match=dmi), or "
      "pass --smbios FILE or --udev FILE";
  const bool denied = tablesSystemError == EACCES || tablesSystemError == EPERM;
  return denied && !runsAsRoot ? "run as root, or " + rest : rest;
}

LoadedInventory LoadPlatformInventory() {
  std::string tablesError;
  int tablesSystemError = 0;
  try {
    SmbiosTable table = LoadFirmwareSmbios();
    return InventoryFromSmbios(table, FirmwareTablesFolder());
  } catch (const SmbiosReadError& e) {
    tablesError = e.File() + ": " + e.Reason();
    tablesSystemError = e.SystemError();
  }
  const std::string database = UdevDatabasePath();
  try {
    return InventoryFromUdev(LoadUdevMemory(database), database);
  } catch (const UdevReadError& e) {
    throw SourceError("cannot read the firmware tables (" + tablesError +
                      ") nor the udev database (" + e.File() + ": " + e.Reason() + "); " +
                      UdevFallbackRemedy(tablesSystemError, geteuid() == 0));
  }
}
