#pragma once
// Where a top-level window goes on its monitor: at its wanted place when it fits in the work
// area (the screen less the taskbar and docked bars), otherwise moved the least that makes it fit.

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
};

// The top-left corner for a window of `width` x `height` wanted at `wanted`. A window wider or
// taller than the work area goes to the work area's left or top edge, so its caption and menu
// stay on the screen.
ScreenPoint PlaceInWorkArea(ScreenPoint wanted, int width, int height, const ScreenRect& workArea);
