#pragma once
// The "Get Specification" button of a slot panel: a document-and-magnifier picture above a
// word-wrapped caption, flat until the mouse is over it or it has the focus, greyed when
// disabled. A real push button (focusable; Enter, Space and the mouse click it), so the parent
// gets WM_COMMAND / BN_CLICKED with the id. Drawing needs nothing from the parent (see
// img_btn_custom_button_win32.h). The button takes the parent's font when it has one.
#include <windows.h>

#include <string>

HWND CreateSpecButton(HWND parent, int id, int x, int y, int width, int height,
                      const std::string& caption);

constexpr int kSpecGlyphSize = 32;

// The 32 x 32 picture with its top-left corner at (x, y), in colour or greyed.
void DrawSpecGlyph(HDC dc, int x, int y, bool enabled);
