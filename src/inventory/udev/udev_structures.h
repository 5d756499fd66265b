#pragma once
// udev's memory properties written back into the SMBIOS structures they were read from: one
// type 16 array (when udev has array properties) and one type 17 device per index, in index
// order, all of that array.
#include <string>
#include <vector>

#include "inventory/smbios/smbios_table.h"
#include "inventory/udev/udev_properties.h"

// Fields the structure had to fill with some code although udev gave none (or none we read).
struct UdevArrayGaps {
  bool location = false, maxCapacity = false, devices = false, correction = false;
};
struct UdevDeviceGaps {
  bool formFactor = false, type = false, typeDetail = false;
};

struct UdevStructures {
  SmbiosTable table;
  UdevArrayGaps arrayGaps;
  std::vector<UdevDeviceGaps> installedGaps;  // one per device with a module, in table order
  std::vector<std::string> unreadable;        // "device 2 SIZE: 12x is not a size"
};

UdevStructures BuildUdevStructures(const UdevMemoryProperties& properties);
