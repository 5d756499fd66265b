// Linux has no WMI: the report reads the SMBIOS tables the kernel keeps.
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

LoadedInventory LoadPlatformInventory() {
  try {
    SmbiosTable table = LoadFirmwareSmbios();
    return InventoryFromSmbios(table, FirmwareTablesFolder());
  } catch (const SmbiosReadError& e) {
    throw SourceError("cannot read " + e.File() + ": " + e.Reason() + "; " +
                      FirmwareTablesRemedy(e));
  }
}
