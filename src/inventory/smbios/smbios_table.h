#pragma once
// The SMBIOS structure table (DMTF DSP0134): entry points, the walk over the structures and
// their string sets. Everything is read from bytes in memory; where they come from (a dump file,
// the kernel's copy, the firmware through Windows) is the caller's business.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inventory/smbios/smbios_bytes.h"

struct SmbiosStructure {
  uint8_t type = 0;
  uint16_t handle = 0;
  std::vector<uint8_t> formatted;    // the formatted area, header included (length bytes)
  std::vector<std::string> strings;  // string number n is strings[n - 1]

  uint8_t Length() const { return static_cast<uint8_t>(formatted.size()); }
  // True when the structure is long enough to hold a field of width bytes at offset.
  bool Holds(size_t offset, size_t width) const { return Covers(formatted, offset, width); }
  // The text a string-number field refers to; none for number 0 or a number past the set.
  std::optional<std::string> String(uint8_t number) const;
};

// No machine has more than a few hundred memory devices or a name of more than a few dozen
// characters; hostile tables under the file size cap could otherwise hold a million structures
// or a 15 MiB string, and cost minutes and gigabytes downstream.
constexpr size_t kMaxSmbiosMemoryStructures = 4096;  // of type 16, and of type 17
constexpr size_t kMaxSmbiosTextBytes = 256;
// What ends a text that was cut.
inline constexpr char kSmbiosTextCutMark[] = "...";

// Memory structures the walk passed over because there were more than the limit.
struct SmbiosSkipped {
  size_t memoryArrays = 0;
  size_t memoryDevices = 0;
  bool Any() const { return memoryArrays != 0 || memoryDevices != 0; }
};

struct SmbiosTable {
  uint8_t majorVersion = 0;  // 0.0 when the bytes came without an entry point
  uint8_t minorVersion = 0;
  std::vector<SmbiosStructure> structures;
  // Why the walk stopped before the end of the table; empty when it read everything.
  std::string cutShort;
  SmbiosSkipped skipped;
};

// Where an entry point says its table is.
struct SmbiosEntryPoint {
  uint8_t majorVersion = 0;
  uint8_t minorVersion = 0;
  uint64_t tableAddress = 0;
  uint32_t tableLength = 0;     // exact for 2.x, a maximum for 3.x
  uint16_t structureCount = 0;  // 2.x only; 0 = no limit
};

constexpr uint8_t kSmbiosEndOfTable = 127;

// Parses a "_SM_" (2.1+) or "_SM3_" (3.0+) entry point at the start of the bytes; raises
// SmbiosError when it is neither, is cut short or fails its checksum.
SmbiosEntryPoint ParseSmbiosEntryPoint(ByteRange bytes);
bool StartsWithSmbiosAnchor(ByteRange bytes);

// Walks the structures of a table until the end-of-table structure, the end of the bytes or
// the count (0 = none); stops early, keeping what it read, at a structure or string set that
// the end of the bytes cuts off or at a malformed header. Keeps the first
// kMaxSmbiosMemoryStructures arrays and devices and counts the rest; texts longer than
// kMaxSmbiosTextBytes are cut and end in kSmbiosTextCutMark.
SmbiosTable WalkSmbiosTable(ByteRange table, uint16_t structureCount = 0);

// A `dmidecode --dump-bin` file (entry point first, table at the address it names, which the
// dump rewrites to a file offset) or a bare table such as a copy of /sys/firmware/dmi/tables/DMI.
SmbiosTable ReadSmbiosDump(ByteRange file);
// The kernel's pair of files: the entry point and the table, whose address is a physical one.
SmbiosTable ReadSmbiosTables(ByteRange entryPoint, ByteRange table);
// The buffer of GetSystemFirmwareTable('RSMB'): an 8-byte header with the version and the
// table length, then the table.
SmbiosTable ReadRawSmbiosData(ByteRange data);
