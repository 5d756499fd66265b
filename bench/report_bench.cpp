// The report's own work on an SMBIOS dump, without process start-up: read the tables, map them
// to the WMI classes, run the slot scan, write the JSON or the table.
#include <benchmark/benchmark.h>

#include "build_config.h"
#include "report/format/report_human.h"
#include "report/format/report_json.h"
#include "report/report_source.h"
#include "inventory/smbios/smbios_source.h"

namespace {

const std::string kDump = std::string(MODULIX_SOURCE_DIR) + "/tests/data/smbios_server_ddr5.bin";

void BM_ReadSmbiosDump(benchmark::State& state) {
  std::vector<uint8_t> bytes = ReadSmbiosFile(kDump);
  for (auto _ : state) benchmark::DoNotOptimize(ReadSmbiosDump(bytes));
}
BENCHMARK(BM_ReadSmbiosDump);

MemoryReport Report(const std::vector<uint8_t>& bytes) {
  LoadedInventory inv = InventoryFromSmbios(ReadSmbiosDump(bytes), kDump);
  return BuildMemoryReport(inv.source, inv.provider, inv.emptySlots);
}

void BM_DumpToJson(benchmark::State& state) {
  std::vector<uint8_t> bytes = ReadSmbiosFile(kDump);
  for (auto _ : state) benchmark::DoNotOptimize(FormatJsonReport(Report(bytes)));
}
BENCHMARK(BM_DumpToJson);

void BM_DumpToTable(benchmark::State& state) {
  std::vector<uint8_t> bytes = ReadSmbiosFile(kDump);
  for (auto _ : state) benchmark::DoNotOptimize(FormatHumanReport(Report(bytes)));
}
BENCHMARK(BM_DumpToTable);

}  // namespace
