// Windows: the same WMI classes the window reads, with what the firmware's own SMBIOS tables
// add where Windows lets us read them (GetSystemFirmwareTable needs no administrator rights).
#include "inventory/wmi/com_apartment_win32.h"
#include "report/report_firmware_facts.h"
#include "report/report_source.h"
#include "inventory/smbios/smbios_system.h"
#include "support/files/text_convert.h"

// Reading the tables needs no rights on Windows: the remedy is the same whatever the error.
std::string FirmwareTablesRemedy(int, bool) {
  return "leave out --smbios to read WMI, or pass --smbios FILE written by "
         "'dmidecode --dump-bin FILE'";
}

std::string FirmwareTablesRemedy(const SmbiosReadError&) { return FirmwareTablesRemedy(0, false); }

namespace {

// The window's texts are in the ANSI code page, as WMI's own conversion gives them; the report's
// are UTF-8. Both come from the one reading, so the window and its report describe the same.
std::shared_ptr<WmiProvider> AnsiView(const std::shared_ptr<WmiProvider>& utf8) {
  WmiClassTable table = ReadMemoryClasses(utf8);
  for (auto& [name, instances] : table.classes) {
    for (WmiInstanceData& instance : instances) {
      for (auto& [property, value] : instance) {
        if (value.Kind() != ValueKind::Text) continue;
        value = PropertyValue(WideToAnsi(Utf8ToWide(value.AsText())));
      }
    }
  }
  return MakeInMemoryProvider(std::move(table));
}

}  // namespace

LoadedInventory LoadPlatformInventory() {
  WmiClassTable wmi;
  {
    ComApartment apartment;  // both classes are copied out before COM is let go
    // UTF-8: the report keeps every character of a maker's or slot's name, whatever the code page.
    wmi = ReadMemoryClasses(DefaultWmiProvider(WmiText::Utf8));
  }
  SmbiosMemoryInventory firmware;
  try {
    SmbiosTable table = LoadFirmwareSmbios();
    firmware = MapSmbiosMemory(table);
    MapSmbiosSystem(table, firmware.classes);
  } catch (const SmbiosError&) {
    // Tables out of reach: WMI alone, as the window reads it.
  }
  LoadedInventory loaded = CombineWmiAndFirmware(std::move(wmi), firmware);
  loaded.windowProvider = AnsiView(loaded.provider);
  return loaded;
}
