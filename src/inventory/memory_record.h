#pragma once
// The inventory as typed records: one per module, per array of system memory and one for the
// machine, numbers as numbers and unknown as absent. Read once from the WMI classes (which the
// SMBIOS tables and the fixtures are served as); the report's facts and advice work on these.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"

// The module properties kept as the source delivered them, in this order (the JSON's "raw"),
// with whether each holds a number (WMI hands 64-bit numbers over as decimal text).
struct RawProperty {
  const char* name;
  bool number;
};
inline constexpr std::array<RawProperty, 11> kModuleRawProperties = {{
    {"DeviceLocator", false}, {"BankLabel", false},   {"Capacity", true},
    {"Manufacturer", false},  {"PartNumber", false},  {"SerialNumber", false},
    {"MemoryType", true},     {"SMBIOSMemoryType", true}, {"Speed", true},
    {"ConfiguredClockSpeed", true}, {"FormFactor", true}}};

struct ModuleRecord {
  int index = 0;  // the order the source lists the modules in
  std::vector<PropertyValue> raw;  // one per kModuleRawProperties, null kept
  // Texts exactly as firmware gave them; empty when it gave none.
  std::string locator, bankLabel, manufacturer, partNumber, serialNumber;
  // Every number below is absent when the source gave none or one no module can have.
  std::optional<uint64_t> sizeBytes;
  std::optional<uint32_t> smbiosMemoryType;  // 0 and 1..2 (other, unknown) are absent
  std::optional<uint32_t> wmiMemoryType;     // 0 (unknown) is absent
  std::optional<uint32_t> typeDetail;        // SMBIOS bits; WMI passes the same word on
  std::optional<uint32_t> smbiosFormFactor, wmiFormFactor;
  std::optional<uint32_t> ratedMTs, configuredMTs;
  std::optional<uint32_t> dataWidth, totalWidth;  // bits; whether they make sense is judged later
  std::optional<uint32_t> voltageMillivolts;      // configured
  std::optional<uint32_t> technology;             // SMBIOS 3.2 memory technology code
  std::optional<uint16_t> makerId;                // SMBIOS 3.2 module manufacturer ID
};

struct ArrayRecord {
  std::optional<uint32_t> use;              // Win32 code; 3 = system memory
  std::optional<uint32_t> errorCorrection;  // Win32 code
  std::optional<uint64_t> maximumBytes;     // absent for 0 and for what no machine can hold
  std::optional<uint32_t> devices;          // slots
};

// Who made the machine: SMBIOS types 0, 1 and 2, or the WMI classes Windows builds from them.
// Texts as the firmware gave them (placeholders included: judging them is the report's job);
// absent when not given.
struct SystemRecord {
  std::optional<std::string> manufacturer, product, boardManufacturer, boardProduct;
  std::optional<std::string> biosVendor, biosVersion;
  std::optional<std::string> biosDate;  // YYYY-MM-DD when it reads as a date
};

// The largest module and array a report believes; anything larger is a firmware error.
inline constexpr uint64_t kMaxModuleBytes = uint64_t{4} << 40;    // 4 TiB
inline constexpr uint64_t kMaxArrayBytes = uint64_t{64} << 40;    // 64 TiB
inline constexpr uint32_t kMaxModuleMTs = 100000;

// Every instance of the loaded reader, in order; the reader's selection is left alone.
std::vector<ModuleRecord> ReadModuleRecords(const TWin32_PhysicalMemory& modules);
// Arrays of system memory only (an array of unknown use counts as one).
std::vector<ArrayRecord> ReadArrayRecords(const TWin32_PhysicalMemoryArray& arrays);
// The three identity classes through the provider; a class that fails leaves its fields absent.
SystemRecord ReadSystemRecord(const std::shared_ptr<WmiProvider>& provider);

// "05/15/2023" (SMBIOS) or "20230515000000.000000+000" (WMI) as "2023-05-15"; other texts as given.
std::string BiosDateText(const std::string& raw);
