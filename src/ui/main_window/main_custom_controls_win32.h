#pragma once
// The main window's self-drawn parts: scope graph, image buttons, module search buttons and
// the 32 x 32 image list.
#include <windows.h>
#include <commctrl.h>

HIMAGELIST CreateMainImageList();
HWND CreateMemoryScope(HWND parent, int x, int y, int width, int height);
HWND CreateDriversButton(HWND parent, int x, int y, int width, int height, HIMAGELIST images,
                         HFONT font);
HWND CreateEmptySlotButton(HWND parent, int id, int x, int y, int width, int height,
                           HIMAGELIST images, HFONT font);
HWND CreateModuleSearchButton(HWND parent, int id, int x, int y, int width, int height,
                               HFONT font);
