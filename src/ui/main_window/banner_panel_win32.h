#pragma once
// The dark banner across the top of the main window: the window-frame colour with a lowered
// inner bevel. Labels on it draw transparently in a colour of their own.
#include <windows.h>

HWND CreateBannerPanel(HWND parent, int x, int y, int width, int height);
void SetBannerTextColor(HWND label, COLORREF color);
// Makes the panel paint its own background again (after a theme or parent change).
void RepaintBannerBackground(HWND panel);
