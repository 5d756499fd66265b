// The WMI fixture file (MODULIX_WMI_FIXTURE): any bytes, JSON or not, and what the loader makes
// of them read through the two record readers, whose converters meet every value it lets in.
#include <cstddef>
#include <cstdint>
#include <string>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "inventory/wmi/json_fixture_provider.h"

namespace {

// Every instance in turn; a value the reader cannot convert is the documented ConversionError.
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
  WmiClassTable table;
  try {
    table = ParseWmiFixture(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const WmiError&) {
    return 0;  // not a fixture: the documented answer
  }
  ReadAll<TWin32_PhysicalMemory>(table);
  ReadAll<TWin32_PhysicalMemoryArray>(table);
  return 0;
}
