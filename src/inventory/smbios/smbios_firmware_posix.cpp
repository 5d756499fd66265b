// Linux keeps a copy of the firmware's tables: the entry point and the table in two files,
// readable by root only.
#include "inventory/smbios/smbios_source.h"

SmbiosTable LoadFirmwareSmbios() {
  std::string folder = FirmwareTablesFolder();
  std::string entryPath = folder + "/smbios_entry_point";
  std::string tablePath = folder + "/DMI";
  std::vector<uint8_t> entry = ReadSmbiosFile(entryPath);
  std::vector<uint8_t> table = ReadSmbiosFile(tablePath);
  // Said as for a dump file of no bytes, so both ways to the same table answer alike.
  if (table.empty()) throw SmbiosReadError(tablePath, "the file is empty");
  try {
    return ReadSmbiosTables(entry, table);
  } catch (const SmbiosError& e) {
    throw SmbiosReadError(entryPath, e.what());
  }
}
