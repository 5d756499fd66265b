#include "window_model/memory_panel.h"

namespace {
constexpr std::int32_t kMemoryBaseLine = 80;  // percent of physical memory in use
constexpr std::int32_t kMemoryGridSize = 5;
}  // namespace

void ConfigureMemoryScope(TSimScope& scope) {
  scope.SetActive(false);
  scope.SetBaseLine(kMemoryBaseLine);
  scope.SetHorizontalGridSize(kMemoryGridSize);
  scope.SetVerticalGridSize(kMemoryGridSize);
  if (scope.Lines().Count() == 0) scope.Lines().Add();
  scope.Loaded();
  scope.RedrawAll();
  scope.RefreshDisplay(false);  // shows it at once when the scope has a window
}
