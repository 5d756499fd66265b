#pragma once
// Shared helpers of the SMBIOS tests: tables from written dumps, instance properties by name.
#include <string>
#include <vector>

#include "inventory/smbios/smbios_dump_writer.h"
#include "inventory/smbios/smbios_memory.h"

inline SmbiosMemoryInventory MapDump(const std::vector<Bytes>& structures,
                                     const DumpOptions& options = {}) {
  return MapSmbiosMemory(ReadSmbiosDump(WriteDump(structures, options)));
}

inline const std::vector<WmiInstanceData>& Modules(const SmbiosMemoryInventory& inv) {
  return inv.classes.classes.at("Win32_PhysicalMemory");
}
inline const std::vector<WmiInstanceData>& Arrays(const SmbiosMemoryInventory& inv) {
  return inv.classes.classes.at("Win32_PhysicalMemoryArray");
}

// The property's value; a missing property fails the test through the returned empty value.
inline PropertyValue Prop(const WmiInstanceData& instance, const std::string& name) {
  for (const auto& [n, v] : instance) {
    if (n == name) return v;
  }
  return PropertyValue();
}

// A typical DDR4 module, 8 GB, of the array with handle 0x1000.
inline DumpDevice Ddr4Module(const std::string& locator, uint16_t handle = 0x1100) {
  DumpDevice d;
  d.handle = handle;
  d.size = 8192;
  d.locator = locator;
  d.bank = "BANK 0";
  d.memoryType = 0x1A;
  d.speed = 3200;
  d.configuredSpeed = 2933;
  d.manufacturer = "Samsung";
  d.serial = "0x1234ABCD";
  d.partNumber = "M378A1K43DB2-CWE";
  d.length = 0x28;
  return d;
}

inline DumpArray SystemArray(uint16_t devices, uint32_t maxKb = 64u * 1024 * 1024) {
  DumpArray a;
  a.devices = devices;
  a.maxCapacityKb = maxKb;
  return a;
}
