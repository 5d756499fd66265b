// One tick of the memory timer: the used and total figures and a step of the graph.
#include "controls/scope/sim_scope_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/memory_panel_win32.h"
#include "ui/shared/standard_controls_win32.h"

// A memory query that keeps failing would open a box at every tick, each inside the loop of the
// one before: while a tick's box is open, later ticks do nothing.
void TMainDlg::Mem_tmrTimer() {
  memoryTicks_.Run(Handle_, [this] {
    TSimScope* graph = SimScopeFromWindow(scope);
    if (!graph) return;
    UpdateMemoryPanel(phyused_lbl, phytot_lbl, *graph);
    FitLabelToCaption(phyused_lbl);  // labels size themselves to their captions
    FitLabelToCaption(phytot_lbl);
  });
}
