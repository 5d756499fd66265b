#include "report/report_source.h"

#include <cstdlib>

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/smbios/smbios_memory.h"
#include "inventory/smbios/smbios_system.h"

namespace {

const char* const kDumpRemedy =
    "pass a file written by 'dmidecode --dump-bin FILE' or a copy of /sys/firmware/dmi/tables/DMI";
const char* const kFirmwareFile = "-";
const char* const kFixtureVariable = "MODULIX_WMI_FIXTURE";
constexpr uint8_t kTypeMemoryArray = 16;
constexpr uint8_t kTypeMemoryDevice = 17;

bool HasMemoryStructures(const SmbiosTable& table) {
  for (const SmbiosStructure& s : table.structures) {
    if (s.type == kTypeMemoryArray || s.type == kTypeMemoryDevice) return true;
  }
  return false;
}

std::string CannotRead(const SmbiosReadError& e, const char* remedy) {
  return "cannot read " + e.File() + ": " + e.Reason() + "; " + remedy;
}

}  // namespace

LoadedInventory LoadSmbiosFileInventory(const std::string& file) {
  if (file == kFirmwareFile) {
    try {
      SmbiosTable table = LoadFirmwareSmbios();
      return InventoryFromSmbios(table, "the firmware tables");
    } catch (const SmbiosReadError& e) {
      throw SourceError(CannotRead(e, kFirmwareTablesRemedy));
    }
  }
  try {
    return InventoryFromSmbios(LoadSmbiosDumpFile(file), file);
  } catch (const SmbiosReadError& e) {
    throw SourceError(CannotRead(e, kDumpRemedy));
  }
}

LoadedInventory LoadFixtureInventory(const std::string& file) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadSmbiosFile(file);  // any small file; the name says what it was written for
  } catch (const SmbiosReadError& e) {
    throw SourceError("cannot read " + e.File() + ": " + e.Reason());
  }
  try {
    WmiClassTable table = ParseWmiFixture(std::string(bytes.begin(), bytes.end()));
    LoadedInventory loaded;
    loaded.source = "fixture";
    loaded.provider = MakeInMemoryProvider(std::move(table));
    return loaded;
  } catch (const std::exception& e) {
    throw SourceError(file + " is not a WMI fixture: " + e.what());
  }
}

LoadedInventory InventoryFromSmbios(const SmbiosTable& table, const std::string& file) {
  SmbiosMemoryInventory inv = MapSmbiosMemory(table);
  MapSmbiosSystem(table, inv.classes);
  LoadedInventory loaded;
  loaded.source = "smbios";
  loaded.provider = MakeInMemoryProvider(std::move(inv.classes));
  loaded.emptySlots = std::move(inv.emptySlots);
  loaded.emptySlotBanks = std::move(inv.emptySlotBanks);
  if (!table.cutShort.empty()) {
    loaded.warning = file + ": the table ends early (" + table.cutShort +
                     "); the report covers the structures before it";
  } else if (!HasMemoryStructures(table)) {
    loaded.warning = file + ": the tables describe no memory (no structure of type 16 or 17)";
  }
  return loaded;
}

LoadedInventory LoadDefaultInventory() {
  if (std::shared_ptr<WmiProvider> chosen = ChosenWmiProvider()) {
    LoadedInventory loaded;
    loaded.source = "wmi";
    loaded.provider = std::move(chosen);
    return loaded;
  }
  const char* fixture = std::getenv(kFixtureVariable);
  if (fixture && *fixture) return LoadFixtureInventory(fixture);
  return LoadPlatformInventory();
}

LoadedInventory LoadWindowInventory() {
  try {
    return LoadDefaultInventory();
  } catch (const std::exception& e) {
    LoadedInventory nothing;
    nothing.source = "wmi";
    nothing.provider = MakeInMemoryProvider({});
    nothing.error = e.what();
    return nothing;
  }
}
