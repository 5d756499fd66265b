// Decoding runs once per module during the slot scan; a machine of 64 modules must decode in a
// small part of the scan's millisecond.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "decoding/manufacturer.h"
#include "decoding/memory_type.h"

namespace {
const std::vector<std::string> kFirmwareTexts = {
    "80CE000080CE", "00AD00B300AD", "Kingston", "Manufacturer00", "", "  Samsung  ",
    "859B000000000000", "04CD", "Unknown", "7F7F7F0B00000000", "Corsair", "0198",
};

void BM_DecodeManufacturerFor64Modules(benchmark::State& state) {
  for (auto _ : state) {
    for (int i = 0; i < 64; ++i)
      benchmark::DoNotOptimize(DecodeManufacturer(kFirmwareTexts[i % kFirmwareTexts.size()]));
  }
}
BENCHMARK(BM_DecodeManufacturerFor64Modules);

void BM_ModuleTypeTextFor64Modules(benchmark::State& state) {
  for (auto _ : state) {
    for (uint32_t i = 0; i < 64; ++i)
      benchmark::DoNotOptimize(
          ModuleTypeText(i % 2 ? 0 : 26, 1333 + 200 * (i % 12), i % 3 ? 0 : 0x1A));
  }
}
BENCHMARK(BM_ModuleTypeTextFor64Modules);
}  // namespace
