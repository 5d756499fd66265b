// udev's memory properties (the database file or udevadm's output): any bytes, through the parser,
// the mapping onto the SMBIOS rows and the two record readers that meet every value it lets in.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "inventory/udev/udev_memory.h"

namespace {

template <typename Reader>
void ReadAll(const WmiClassTable& table) {
  try {
    Reader reader(true, MakeInMemoryProvider(table));
    for (int32_t i = 1; i < reader.Count(); ++i) {
      try {
        reader.SetCollectionIndex(i);
      } catch (const ConversionError&) {
      }
    }
  } catch (const ConversionError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  UdevMemoryInventory inv = MapUdevMemory(ParseUdevProperties(bytes));
  ReadAll<TWin32_PhysicalMemory>(inv.rows.classes);
  ReadAll<TWin32_PhysicalMemoryArray>(inv.rows.classes);
  return 0;
}
