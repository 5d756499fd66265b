// The entry point file the kernel exports, as long as the firmware says its entry point is,
// read with a small table behind it. libFuzzer hands the input in an allocation of exactly its
// size, so a read past the end of the file is a read past the allocation.
#include <cstddef>
#include <cstdint>

#include "inventory/smbios/smbios_table.h"

namespace {

// One structure (type 1, no strings) and the end-of-table structure.
const uint8_t kTable[] = {1, 4, 0, 0, 0, 0, 127, 4, 1, 0, 0, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    ReadSmbiosTables(ByteRange(data, size), kTable);
  } catch (const SmbiosError&) {
    // Not an entry point: the documented answer.
  }
  return 0;
}
