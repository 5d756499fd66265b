#pragma once
// The "Physical Memory." group's graph: the memory load in percent, scrolled by the memory
// timer once a second.
#include "controls/scope/sim_scope.h"

// The settings of the main window's scope, which keeps the 89 x 65 size it was created with:
// base line at 80 percent, grid every 5 pixels both ways, its own clock off (the memory timer
// advances it), one line with default settings; every history starts from two zeros.
void ConfigureMemoryScope(TSimScope& scope);
