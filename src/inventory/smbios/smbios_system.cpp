#include "inventory/smbios/smbios_system.h"

#include <optional>

namespace {

struct TextField {
  size_t offset;
  const char* property;
};

struct IdentityClass {
  uint8_t type;
  const char* className;
  std::vector<TextField> fields;
};

// DSP0134 7.1, 7.2 and 7.3: the string fields of SMBIOS 2.0, all a report names.
const IdentityClass kIdentityClasses[] = {
    {0, "Win32_BIOS", {{0x04, "Manufacturer"}, {0x05, "SMBIOSBIOSVersion"}, {0x08, "ReleaseDate"}}},
    {1, "Win32_ComputerSystem", {{0x04, "Manufacturer"}, {0x05, "Model"}}},
    {2, "Win32_BaseBoard", {{0x04, "Manufacturer"}, {0x05, "Product"}}},
};

PropertyValue TextAt(const SmbiosStructure& s, size_t offset) {
  if (!s.Holds(offset, 1)) return PropertyValue::Null();
  std::optional<std::string> text = s.String(s.formatted[offset]);
  return text ? PropertyValue(std::move(*text)) : PropertyValue::Null();
}

}  // namespace

void MapSmbiosSystem(const SmbiosTable& table, WmiClassTable& classes) {
  for (const IdentityClass& c : kIdentityClasses) {
    std::vector<WmiInstanceData>& instances = classes.classes[c.className];
    for (const SmbiosStructure& s : table.structures) {
      if (s.type != c.type) continue;
      WmiInstanceData data;
      for (const TextField& f : c.fields) data.emplace_back(f.property, TextAt(s, f.offset));
      instances.push_back(std::move(data));
      break;  // one machine, one instance: the first structure names it
    }
  }
}
