// The memory graph's costs: one scrolling step, one full redraw, and the memory a scope holds
// after a long run (it must not grow with the number of steps).
#include <benchmark/benchmark.h>

#include "controls/scope/sim_scope.h"
#include "sim_scope_memory_posix.h"

namespace {
// The main window's scope: 89 x 65, base line at 80 percent, grid every 5, one line.
void ConfigureLikeTheProgram(TSimScope& scope) {
  scope.SetBounds(115, 10, 89, 65);
  scope.SetBaseLine(80);
  scope.SetGridSize(5);
  scope.Lines().Add();
  scope.Loaded();
  scope.RedrawAll();
}

int Load(int step) { return 20 + (step * 7) % 61; }

void AdvanceSteps(TSimScope& scope, int first, int count) {
  for (int step = first; step < first + count; ++step) {
    scope.Lines().Items(0).SetPosition(Load(step));
    scope.Advance();
  }
}

void BM_Advance(benchmark::State& state) {
  TSimScope scope;
  ConfigureLikeTheProgram(scope);
  int step = 0;
  for (auto _ : state) {
    scope.Lines().Items(0).SetPosition(Load(step++));
    scope.Advance();
    benchmark::DoNotOptimize(scope.Buffer().Bits());
  }
}
BENCHMARK(BM_Advance);

void BM_RedrawAll(benchmark::State& state) {
  TSimScope scope;
  ConfigureLikeTheProgram(scope);
  AdvanceSteps(scope, 0, 1000);  // a full history to walk
  for (auto _ : state) {
    scope.RedrawAll();
    benchmark::DoNotOptimize(scope.Buffer().Bits());
  }
}
BENCHMARK(BM_RedrawAll);

// Resident and heap sizes after 1,000 steps and after 1,000,000: equal when the history is
// bounded (two values a step would otherwise add about 8 MB).
void BM_MemoryAfterManyAdvances(benchmark::State& state) {
  for (auto _ : state) {
    TSimScope scope;
    ConfigureLikeTheProgram(scope);
    AdvanceSteps(scope, 0, 1000);
    const std::int64_t residentAfter1k = ResidentBytes(), heapAfter1k = HeapBytesInUse();
    AdvanceSteps(scope, 1000, 999000);
    const std::int64_t residentAfter1M = ResidentBytes(), heapAfter1M = HeapBytesInUse();
    // Counters allocate: set only after both measurements.
    state.counters["rss_after_1k_kB"] = residentAfter1k / 1024.0;
    state.counters["rss_after_1M_kB"] = residentAfter1M / 1024.0;
    state.counters["heap_after_1k_B"] = static_cast<double>(heapAfter1k);
    state.counters["heap_after_1M_B"] = static_cast<double>(heapAfter1M);
    state.counters["history_values"] = scope.Lines().Items(0).Values().Count();
  }
}
BENCHMARK(BM_MemoryAfterManyAdvances)->Iterations(1)->Unit(benchmark::kMillisecond);
}  // namespace
