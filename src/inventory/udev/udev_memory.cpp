#include "inventory/udev/udev_memory.h"

#include <optional>
#include <string_view>

#include "inventory/udev/udev_structures.h"

namespace {

void SetNull(WmiInstanceData& instance, std::string_view name) {
  for (auto& [property, value] : instance) {
    if (property == name) value = PropertyValue::Null();
  }
}

// The structure's fields hold a value for every code, so a property whose udev field was
// missing or unreadable is cleared after the mapping.
void ClearArrayGaps(WmiInstanceData& array, const UdevArrayGaps& gaps) {
  if (gaps.location) SetNull(array, "Location");
  if (gaps.maxCapacity) {
    SetNull(array, "MaxCapacity");
    SetNull(array, "MaxCapacityEx");
  }
  if (gaps.devices) SetNull(array, "MemoryDevices");
  if (gaps.correction) SetNull(array, "MemoryErrorCorrection");
}

void ClearDeviceGaps(WmiInstanceData& device, const UdevDeviceGaps& gaps) {
  if (gaps.formFactor) {
    SetNull(device, "FormFactor");
    SetNull(device, "SMBIOSFormFactor");
  }
  if (gaps.type) {
    SetNull(device, "MemoryType");
    SetNull(device, "SMBIOSMemoryType");
  }
  if (gaps.typeDetail) SetNull(device, "TypeDetail");
}

// A gap in the indices is a device udev did not write: the others are sound.
void NoteGaps(const UdevMemoryProperties& properties, std::vector<std::string>& notes) {
  uint32_t expected = 0;
  for (const auto& [index, fields] : properties.devices) {
    if (index != expected) {
      notes.push_back("no device " + std::to_string(expected) +
                      (index - expected > 1 ? " to " + std::to_string(index - 1) : ""));
    }
    expected = index + 1;
  }
}

// "12 line(s) skipped (line 3: no '='; ...)": the count, and the first few reasons.
std::string Counted(size_t count, const std::string& what, const std::vector<std::string>& why) {
  std::string note = std::to_string(count) + " " + what + " (";
  for (size_t i = 0; i < why.size() && i < kUdevSkipsNamed; ++i) note += (i ? "; " : "") + why[i];
  return note + ")";
}

}  // namespace

UdevMemoryInventory MapUdevMemory(const UdevMemoryProperties& properties) {
  UdevMemoryInventory inv;
  inv.describesMemory = !properties.array.empty() || !properties.devices.empty();
  UdevStructures structures = BuildUdevStructures(properties);
  inv.rows = MapSmbiosMemory(structures.table);
  auto& arrays = inv.rows.classes.classes["Win32_PhysicalMemoryArray"];
  if (!arrays.empty()) ClearArrayGaps(arrays.front(), structures.arrayGaps);
  auto& devices = inv.rows.classes.classes["Win32_PhysicalMemory"];
  for (size_t i = 0; i < devices.size() && i < structures.installedGaps.size(); ++i) {
    ClearDeviceGaps(devices[i], structures.installedGaps[i]);
  }
  if (properties.skippedLines > 0) {
    inv.notes.push_back(Counted(properties.skippedLines, "line(s) skipped", properties.skipped));
  }
  NoteGaps(properties, inv.notes);
  if (!structures.unreadable.empty()) {
    inv.notes.push_back(
        Counted(structures.unreadable.size(), "value(s) unread", structures.unreadable));
  }
  return inv;
}
