// Load both memory classes of a 64-module machine and run the slot scan.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "build_config.h"
#include "inventory/wmi/json_fixture_provider.h"
#include "window_model/slot_scan.h"

namespace {

const std::string kFixture = std::string(MODULIX_SOURCE_DIR) + "/tests/data/wmi_64mod.json";

std::string ReadFixture() {
  std::ifstream in(kFixture, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void LoadAndScan(benchmark::State& state, const std::shared_ptr<WmiProvider>& provider) {
  size_t lines = 0;
  for (auto _ : state) {
    TWin32_PhysicalMemory modules(true, provider);
    TWin32_PhysicalMemoryArray arrays(true, provider);
    SlotScanState scan = ComputeSlotScan(arrays, modules, [&](const std::string&) { ++lines; });
    if (scan.modules.size() != 64) state.SkipWithError("fixture did not load");
    benchmark::DoNotOptimize(scan);
  }
  benchmark::DoNotOptimize(lines);
}

// The WMI cache and the scan, with the fixture already parsed (as the system's WMI would be).
void BM_LoadAndScan(benchmark::State& state) {
  LoadAndScan(state, MakeInMemoryProvider(ParseWmiFixture(ReadFixture())));
}
BENCHMARK(BM_LoadAndScan)->Unit(benchmark::kMicrosecond);

// The same through the test seam: each reader reads and parses the JSON file itself.
void BM_LoadAndScanFromFixtureFile(benchmark::State& state) {
  LoadAndScan(state, MakeJsonFixtureProvider(kFixture));
}
BENCHMARK(BM_LoadAndScanFromFixtureFile)->Unit(benchmark::kMicrosecond);

}  // namespace
