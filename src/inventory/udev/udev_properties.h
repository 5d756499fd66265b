#pragma once
// The memory properties udev keeps for the DMI device: the database file's "E:KEY=VALUE" lines
// (/run/udev/data/+dmi:id) or the plain "KEY=VALUE" lines of `udevadm info --query=property`.
// The bytes are untrusted: every line that cannot be read is skipped and noted, never fatal.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// FIELD -> value, for MEMORY_ARRAY_<FIELD> or MEMORY_DEVICE_<n>_<FIELD>.
using UdevFields = std::map<std::string, std::string, std::less<>>;

struct UdevMemoryProperties {
  UdevFields array;
  std::map<uint32_t, UdevFields> devices;  // by udev's device index, which counts from 0
  size_t skippedLines = 0;
  std::vector<std::string> skipped;  // why the first few were left out: "line 7: no '='"
};

// udev writes short lines; anything longer is not its own.
constexpr size_t kMaxUdevLineLength = 4096;
// Far more than any board has slots; bounds what a hostile file can make us hold.
constexpr uint32_t kMaxUdevDevices = 1024;
constexpr size_t kUdevSkipsNamed = 3;

UdevMemoryProperties ParseUdevProperties(std::string_view bytes);
