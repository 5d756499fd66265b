// The run log's saves as one start makes them: twenty entries, each rewriting the whole file
// through a temporary file beside it. Point TMPDIR at the disk the log lives on to see what a
// flush to that disk would cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "support/run_log/run_log.h"

namespace {

constexpr int kStartEntries = 20;  // about what one start writes
constexpr int kProgramLimit = 10000;

class BenchFolder {
 public:
  BenchFolder() : FPath(std::filesystem::temp_directory_path() / "modulix-run-log-bench") {
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~BenchFolder() { std::filesystem::remove_all(FPath); }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  std::filesystem::path File(const char* name) const { return FPath / name; }

 private:
  std::filesystem::path FPath;
};

void BM_RunLogStartEntries(benchmark::State& state) {
  BenchFolder folder;
  const auto path = folder.File("Modulix.log").native();
  for (auto _ : state) {
    TRunLog log(path, false, kProgramLimit);
    for (int i = 0; i < kStartEntries; ++i) log.Add("Scanning slot #" + std::to_string(i), 1);
  }
  state.SetItemsProcessed(state.iterations() * kStartEntries);  // items/s: saves per second
}
BENCHMARK(BM_RunLogStartEntries)->Unit(benchmark::kMillisecond);

}  // namespace
