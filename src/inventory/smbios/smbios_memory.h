#pragma once
// The SMBIOS memory structures as the two WMI classes Windows builds from them, so the readers,
// the decoding and the slot scan work on SMBIOS data unchanged.
//
// Type 16 arrays of system memory become Win32_PhysicalMemoryArray instances; type 17 devices
// with a module, of such an array or of no known array, become Win32_PhysicalMemory instances.
// A field the structure is too short to hold, or that holds SMBIOS's "unknown", is null. Every
// instance carries every property of its class.
#include <string>
#include <vector>

#include "inventory/wmi/in_memory_provider.h"
#include "inventory/smbios/smbios_table.h"

struct SmbiosMemoryInventory {
  WmiClassTable classes;                // both classes, each possibly with no instances
  std::vector<std::string> emptySlots;  // locators of the slots without a module, table order
  std::vector<std::string> emptySlotBanks;  // their bank locators, in the same order
};

SmbiosMemoryInventory MapSmbiosMemory(const SmbiosTable& table);
