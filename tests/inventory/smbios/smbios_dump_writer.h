#pragma once
// Writes SMBIOS dumps the way `dmidecode --dump-bin` lays them out (entry point at 0, table at
// offset 32), from memory arrays and memory devices described field by field. Structures can be
// cut to any length, so the same device can be written as firmware of any SMBIOS version did.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct DumpArray {
  uint16_t handle = 0x1000;
  uint8_t location = 0x03;    // system board
  uint8_t use = 0x03;         // system memory
  uint8_t correction = 0x03;  // none
  uint32_t maxCapacityKb = 0;
  uint16_t devices = 0;
  uint64_t extMaxCapacityBytes = 0;
  uint8_t length = 0x17;
};

struct DumpDevice {
  uint16_t handle = 0x1100;
  uint16_t arrayHandle = 0x1000;
  uint16_t totalWidth = 64;
  uint16_t dataWidth = 64;
  uint16_t size = 0;  // the raw field: MB, bit 15 = KB, 0x7FFF = extended, 0xFFFF = unknown
  uint8_t formFactor = 0x09;
  std::string locator;
  std::string bank;
  uint8_t memoryType = 0x1A;
  uint16_t typeDetail = 0x0080;
  uint16_t speed = 0;
  std::string manufacturer;
  std::string serial;
  std::string assetTag;
  std::string partNumber;
  uint8_t attributes = 0;
  uint32_t extendedSize = 0;
  uint16_t configuredSpeed = 0;
  uint16_t minVoltage = 0;
  uint16_t maxVoltage = 0;
  uint16_t configuredVoltage = 0;
  uint8_t technology = 0;      // 3.2: 0x03 DRAM, 0x04..0x06 NVDIMM, 0x07 Optane
  uint16_t moduleMakerId = 0;  // 3.2: continuation count in the low byte, code in the high one
  uint32_t extendedSpeed = 0;
  uint32_t extendedConfiguredSpeed = 0;
  uint8_t length = 0x28;
  // Offset of a string field -> the string number written there instead of the real one.
  std::map<size_t, uint8_t> stringNumbers;
};

// One structure: header, the formatted area after it, the string set.
Bytes EncodeStructure(uint8_t type, uint16_t handle, const Bytes& body,
                      const std::vector<std::string>& strings);
Bytes EncodeArray(const DumpArray& a);
Bytes EncodeDevice(const DumpDevice& d);
Bytes EncodeEndOfTable(uint16_t handle = 0xFEFF);

// Who made the machine: BIOS (type 0), system (type 1) and baseboard (type 2), texts only.
struct DumpIdentity {
  std::string biosVendor, biosVersion, biosDate;  // date as firmware writes it: "MM/DD/YYYY"
  std::string manufacturer, product;
  std::string boardManufacturer, boardProduct;
};
std::vector<Bytes> EncodeIdentity(const DumpIdentity& id);

enum class EntryKind { Smbios2, Smbios3, None };
struct DumpOptions {
  EntryKind entry = EntryKind::Smbios3;
  uint8_t major = 3;
  uint8_t minor = 3;
  bool badChecksum = false;
  // What a 2.x entry point says its length is: 0x1F, or 0x1E as SMBIOS 2.1 once gave it (the
  // dump still holds all 0x1F bytes, as the firmware's memory does).
  uint8_t entry2Length = 0x1F;
};

// Entry point plus table (the structures concatenated, then an end-of-table structure).
Bytes WriteDump(const std::vector<Bytes>& structures, const DumpOptions& options = {});
Bytes Concat(const std::vector<Bytes>& parts);
void SaveBytes(const std::string& path, const Bytes& bytes);
