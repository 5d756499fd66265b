#pragma once
// The scope graph as a child window of its own class. The window owns its TSimScope (made in
// WM_NCCREATE, freed in WM_NCDESTROY); painting copies the scope's buffer 1:1, the background
// is never erased (no flicker), Advance repaints at once, and the scope's clock is a WM_TIMER of
// the window.
#include <windows.h>

#include "controls/scope/sim_scope.h"

extern const char kSimScopeClassName[];

// A visible child window at (x, y) in the parent's client area; never smaller than 20 x 20.
// Null when the window cannot be made.
HWND CreateSimScopeWindow(HWND parent, int id, int x, int y, int width, int height);

// The scope of a window made by CreateSimScopeWindow; null for any other window.
TSimScope* SimScopeFromWindow(HWND scopeWindow);
