#pragma once
// udev's memory properties as the rows the SMBIOS tables give: udev read them from those
// tables, so they are written back into type 16 and 17 structures and mapped by the same code.
// What udev does not carry (the array a device belongs to, whole-volt voltages, a code it only
// names "<OUT OF SPEC>") is null.
//
// udev keeps one set of array properties: with several arrays it holds the last one's
// location and maximum, and the number of devices of all.
#include <string>
#include <vector>

#include "inventory/smbios/smbios_memory.h"
#include "inventory/udev/udev_properties.h"

struct UdevMemoryInventory {
  SmbiosMemoryInventory rows;
  std::vector<std::string> notes;  // what was left out and why: lines, values, gaps
  bool describesMemory = false;    // any array or device property at all
};

UdevMemoryInventory MapUdevMemory(const UdevMemoryProperties& properties);
