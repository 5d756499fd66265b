#pragma once
// The About dialog's pictures, drawn at run time (no image files to ship): the banner across the
// top of the dialog and the window icon. The caller owns what these return.
#include <windows.h>

constexpr int kAboutBannerWidth = 388;
constexpr int kAboutBannerHeight = 96;

// A 388 x 96 device-independent bitmap. Throws when GDI cannot make it.
HBITMAP CreateAboutBanner();

// A square icon of the given size (32 for the caption's large icon, 16 for the small one).
// Throws when GDI cannot make it.
HICON CreateAboutIcon(int size);
