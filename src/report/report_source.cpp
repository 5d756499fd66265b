#include "report/report_source.h"

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/smbios/smbios_memory.h"
#include "inventory/smbios/smbios_system.h"

namespace {

const char* const kDumpRemedy =
    "pass a file written by 'dmidecode --dump-bin FILE' or a copy of /sys/firmware/dmi/tables/DMI";
const char* const kFirmwareFile = "-";

bool HasSystemMemory(const SmbiosMemoryInventory& inv) {
  for (const auto& [name, instances] : inv.classes.classes) {
    if (!instances.empty()) return true;
  }
  return !inv.emptySlots.empty();
}

std::vector<std::string> SkipWarnings(const SmbiosSkipped& skipped, const std::string& file) {
  std::vector<std::string> warnings;
  const std::string limit = std::to_string(kMaxSmbiosMemoryStructures);
  if (skipped.memoryDevices != 0) {
    warnings.push_back(file + ": more than " + limit + " memory devices; the report leaves out " +
                       std::to_string(skipped.memoryDevices));
  }
  if (skipped.memoryArrays != 0) {
    warnings.push_back(file + ": more than " + limit + " memory arrays; the report leaves out " +
                       std::to_string(skipped.memoryArrays));
  }
  return warnings;
}

std::string CannotRead(const SmbiosReadError& e, const std::string& remedy) {
  return "cannot read " + e.File() + ": " + e.Reason() + "; " + remedy;
}

// The classes of a fixture's text; `file` names it in the message.
LoadedInventory FixtureInventory(const std::string& text, const std::string& file) {
  try {
    WmiClassTable table = ParseWmiFixture(text);
    LoadedInventory loaded;
    loaded.source = "fixture";
    loaded.provider = MakeInMemoryProvider(std::move(table));
    return loaded;
  } catch (const std::exception& e) {
    throw SourceError(file + " is not a WMI fixture: " + e.what());
  }
}

// The variable's path stays UTF-16 on Windows down to the file's opening.
LoadedInventory LoadEnvironmentFixtureInventory(const NativePath& fixture) {
  const std::string name = FixtureFileName(fixture);
  std::string text;
  try {
    text = ReadWmiFixtureFile(fixture);
  } catch (const WmiError& e) {
    throw SourceError("cannot read " + name + ": " + e.what());
  }
  return FixtureInventory(text, name);
}

}  // namespace

LoadedInventory LoadSmbiosFileInventory(const std::string& file) {
  if (file == kFirmwareFile) {
    try {
      SmbiosTable table = LoadFirmwareSmbios();
      return InventoryFromSmbios(table, "the firmware tables");
    } catch (const SmbiosReadError& e) {
      throw SourceError(CannotRead(e, FirmwareTablesRemedy(e)));
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
  return FixtureInventory(std::string(bytes.begin(), bytes.end()), file);
}

LoadedInventory InventoryFromSmbios(const SmbiosTable& table, const std::string& file) {
  SmbiosMemoryInventory inv = MapSmbiosMemory(table);
  const std::string cut =
      table.cutShort.empty() ? "" : "the table ends early (" + table.cutShort + ")";
  if (!HasSystemMemory(inv)) {
    // Whichever way the tables came, a "0 GB" machine would be a wrong answer, not a report.
    throw SourceError(file + ": the tables describe no system memory (no memory array or memory "
                      "device, SMBIOS types 16 and 17)" + (cut.empty() ? "" : "; " + cut));
  }
  MapSmbiosSystem(table, inv.classes);
  LoadedInventory loaded;
  loaded.source = "smbios";
  loaded.provider = MakeInMemoryProvider(std::move(inv.classes));
  loaded.emptySlots = std::move(inv.emptySlots);
  loaded.emptySlotBanks = std::move(inv.emptySlotBanks);
  if (!cut.empty()) {
    loaded.warnings.push_back(file + ": " + cut + "; the report covers the structures before it");
  }
  for (std::string& w : SkipWarnings(table.skipped, file)) loaded.warnings.push_back(std::move(w));
  loaded.skipped = table.skipped;
  return loaded;
}

LoadedInventory LoadDefaultInventory() {
  if (std::shared_ptr<WmiProvider> chosen = ChosenWmiProvider()) {
    LoadedInventory loaded;
    loaded.source = "wmi";
    loaded.provider = std::move(chosen);
    return loaded;
  }
  const NativePath fixture = FixtureFileFromEnvironment();
  if (!fixture.empty()) return LoadEnvironmentFixtureInventory(fixture);
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
