// The udev database as the report's inventory: the SMBIOS rows udev keeps, readable without root.
#include "inventory/udev/udev_source.h"
#include "report/report_source.h"

namespace {

const char* const kUdevRemedy =
    "pass a copy of /run/udev/data/+dmi:id or the output of "
    "'udevadm info --query=property --path=/devices/virtual/dmi/id'";

}  // namespace

LoadedInventory InventoryFromUdev(UdevMemoryInventory inv, const std::string& file) {
  bool anyMemory = !inv.rows.emptySlots.empty();
  for (const auto& [name, instances] : inv.rows.classes.classes) anyMemory |= !instances.empty();
  // As for the tables: a database without any memory device or array is no inventory.
  if (!anyMemory) {
    throw SourceError(file + ": the udev database describes no system memory (no MEMORY_ARRAY or "
                      "MEMORY_DEVICE lines)");
  }
  LoadedInventory loaded;
  loaded.source = "udev";
  loaded.provider = MakeInMemoryProvider(std::move(inv.rows.classes));
  loaded.emptySlots = std::move(inv.rows.emptySlots);
  loaded.emptySlotBanks = std::move(inv.rows.emptySlotBanks);
  for (const std::string& note : inv.notes) loaded.warnings.push_back(file + ": " + note);
  return loaded;
}

LoadedInventory LoadUdevFileInventory(const std::string& file) {
  try {
    return InventoryFromUdev(LoadUdevMemory(file), file);
  } catch (const UdevReadError& e) {
    throw SourceError(std::string(e.what()) + "; " + kUdevRemedy);
  }
}
