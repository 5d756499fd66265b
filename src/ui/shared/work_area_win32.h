#pragma once
// The work area (the screen less the taskbar and docked bars) of the monitor a window is on.
#include <windows.h>

#include "window_model/window_placement.h"

// The monitor that holds most of `rect`, or the nearest one when it lies on none.
ScreenRect WorkAreaNear(const RECT& rect);
