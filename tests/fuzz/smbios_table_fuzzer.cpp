// SMBIOS tables as a dump file (entry point and table, or a bare table) and as the buffer
// Windows hands out, walked and mapped to the memory records and the machine's identity.
#include <cstddef>
#include <cstdint>

#include "inventory/smbios/smbios_memory.h"
#include "inventory/smbios/smbios_system.h"
#include "inventory/smbios/smbios_table.h"

namespace {

void Map(ByteRange bytes, SmbiosTable (*read)(ByteRange)) {
  try {
    const SmbiosTable table = read(bytes);
    SmbiosMemoryInventory inventory = MapSmbiosMemory(table);
    MapSmbiosSystem(table, inventory.classes);
  } catch (const SmbiosError&) {
    // Not SMBIOS: the documented answer to such bytes.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteRange bytes(data, size);
  Map(bytes, ReadSmbiosDump);
  Map(bytes, ReadRawSmbiosData);
  return 0;
}
