#pragma once
// The memory timer's tick for the "Physical Memory." group.
#include <windows.h>

#include <functional>

#include "window_model/memory_panel.h"

// One tick: samples the memory status, feeds the load in percent to line 0 of the scope and
// advances it, then writes "Used : " and "Total : " with their byte sizes into the two labels.
// A failed sample throws std::system_error with the system's error code before anything
// changes.
void UpdateMemoryPanel(HWND phyused_lbl, HWND phytot_lbl, TSimScope& scope);

// The memory status call (GlobalMemoryStatusEx unless replaced; an empty function restores it).
// It must set the last error when it fails.
using MemoryStatusQuery = std::function<BOOL(MEMORYSTATUSEX&)>;
void SetMemoryStatusQuery(MemoryStatusQuery query);
