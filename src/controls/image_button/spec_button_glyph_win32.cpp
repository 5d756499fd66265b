#include "controls/image_button/img_btn_gdi_win32.h"
#include "controls/image_button/spec_button_win32.h"

namespace {
struct TGlyphColors {
  COLORREF page, outline, lines, lens, rim, handle;
};

constexpr TGlyphColors kEnabledColors{RGB(255, 255, 255), RGB(90, 90, 90),   RGB(70, 110, 190),
                                      RGB(190, 225, 250), RGB(40, 60, 110),  RGB(120, 70, 30)};
constexpr TGlyphColors kDisabledColors{RGB(240, 240, 240), RGB(150, 150, 150), RGB(175, 175, 175),
                                       RGB(220, 220, 220), RGB(140, 140, 140), RGB(150, 150, 150)};

void DrawPage(HDC dc, int x, int y, const TGlyphColors& c) {
  TPenHandle pen(CreatePen(PS_SOLID, 1, c.outline));
  TBrushHandle brush(CreateSolidBrush(c.page));
  TSelectGuard selectPen(dc, pen.Get());
  TSelectGuard selectBrush(dc, brush.Get());
  const POINT page[] = {{x + 3, y + 1}, {x + 17, y + 1}, {x + 23, y + 7},
                        {x + 23, y + 29}, {x + 3, y + 29}};
  Polygon(dc, page, 5);
  const POINT fold[] = {{x + 17, y + 1}, {x + 17, y + 7}, {x + 23, y + 7}};
  Polyline(dc, fold, 3);
  for (int line = 0; line < 6; ++line) {
    const int ly = y + 10 + line * 3;
    FillSolid(dc, RECT{x + 6, ly, x + (line % 2 ? 15 : 20), ly + 1}, c.lines);
  }
}

void DrawMagnifier(HDC dc, int x, int y, const TGlyphColors& c) {
  {
    TPenHandle handle(CreatePen(PS_SOLID, 4, c.handle));
    TSelectGuard selectPen(dc, handle.Get());
    MoveToEx(dc, x + 25, y + 24, nullptr);
    LineTo(dc, x + 30, y + 29);
  }
  TPenHandle rim(CreatePen(PS_SOLID, 2, c.rim));
  TBrushHandle lens(CreateSolidBrush(c.lens));
  TSelectGuard selectPen(dc, rim.Get());
  TSelectGuard selectBrush(dc, lens.Get());
  Ellipse(dc, x + 13, y + 12, x + 28, y + 27);
}
}  // namespace

void DrawSpecGlyph(HDC dc, int x, int y, bool enabled) {
  const TGlyphColors& colors = enabled ? kEnabledColors : kDisabledColors;
  DrawPage(dc, x, y, colors);
  DrawMagnifier(dc, x, y, colors);
}
