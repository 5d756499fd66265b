#include "controls/image_button/img_btn_test_images_win32.h"

#include <stdexcept>

#include "controls/image_button/img_btn_gdi_win32.h"

namespace {
constexpr COLORREF kMaskColor = RGB(255, 0, 255);  // never used by the pictures
constexpr COLORREF kBoardGreen = RGB(0, 120, 60);
constexpr COLORREF kChipBlack = RGB(30, 30, 30);
constexpr COLORREF kContactGold = RGB(230, 180, 40);
constexpr COLORREF kPlusGreen = RGB(40, 170, 40);
constexpr COLORREF kArrowBlue = RGB(30, 90, 200);
constexpr COLORREF kPinGrey = RGB(150, 150, 150);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void Box(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  FillSolid(dc, RECT{left, top, right, bottom}, color);
}

void Polygon(HDC dc, const POINT* points, int count, COLORREF color) {
  TBrushHandle brush(CreateSolidBrush(color));
  TPenHandle pen(CreatePen(PS_SOLID, 1, color));
  TSelectGuard selectBrush(dc, brush.Get());
  TSelectGuard selectPen(dc, pen.Get());
  ::Polygon(dc, points, count);
}

// A memory module seen from the front, with a green plus: "add a module here".
void DrawEmptySlot(HDC dc) {
  Box(dc, 1, 12, 31, 26, kBoardGreen);
  Box(dc, 15, 24, 17, 26, kMaskColor);  // the key notch
  for (int x = 3; x < 29; x += 7) Box(dc, x, 14, x + 5, 20, kChipBlack);
  for (int x = 2; x < 30; x += 2)
    if (x < 15 || x > 16) Box(dc, x, 22, x + 1, 26, kContactGold);
  Box(dc, 19, 1, 31, 13, kWhite);
  Box(dc, 20, 2, 30, 12, kPlusGreen);
  Box(dc, 24, 3, 26, 11, kWhite);
  Box(dc, 21, 6, 29, 8, kWhite);
}

// A chip with a blue arrow coming down onto it: "fetch new drivers".
void DrawDrivers(HDC dc) {
  Box(dc, 6, 12, 26, 30, kChipBlack);
  for (int i = 0; i < 4; ++i) {
    const int y = 14 + i * 4;
    Box(dc, 3, y, 6, y + 2, kPinGrey);
    Box(dc, 26, y, 29, y + 2, kPinGrey);
  }
  Box(dc, 9, 25, 12, 28, kPinGrey);  // the pin-1 mark
  const POINT arrow[] = {{13, 1}, {19, 1}, {19, 11}, {24, 11}, {16, 21}, {8, 11}, {13, 11}};
  Polygon(dc, arrow, 7, kWhite);
  const POINT inner[] = {{14, 2}, {18, 2}, {18, 12}, {22, 12}, {16, 19}, {10, 12}, {14, 12}};
  Polygon(dc, inner, 7, kArrowBlue);
}

void AddPicture(HIMAGELIST list, void (*draw)(HDC)) {
  TMemoryDc dc;
  HDC screen = GetDC(nullptr);
  TBitmapHandle bitmap(CreateCompatibleBitmap(screen, kButtonImageSize, kButtonImageSize));
  ReleaseDC(nullptr, screen);
  {
    TSelectGuard select(dc.Get(), bitmap.Get());
    Box(dc.Get(), 0, 0, kButtonImageSize, kButtonImageSize, kMaskColor);
    draw(dc.Get());
  }
  if (ImageList_AddMasked(list, bitmap.Get(), kMaskColor) < 0)
    throw std::runtime_error("Cannot add a button picture.");
}
}  // namespace

HIMAGELIST CreateButtonImageList() {
  HIMAGELIST list = ImageList_Create(kButtonImageSize, kButtonImageSize, ILC_COLOR24 | ILC_MASK, 2, 0);
  if (!list) throw std::runtime_error("Cannot create the button pictures.");
  try {
    AddPicture(list, DrawEmptySlot);
    AddPicture(list, DrawDrivers);
  } catch (...) {
    ImageList_Destroy(list);
    throw;
  }
  return list;
}
