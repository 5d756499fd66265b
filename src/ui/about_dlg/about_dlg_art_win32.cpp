#include "ui/about_dlg/about_dlg_art_win32.h"

#include <cstdint>
#include <cstring>
#include <vector>
#include <stdexcept>

#include "controls/image_button/img_btn_gdi_win32.h"
#include "window_model/app_title.h"

namespace {
constexpr COLORREF kSkyLeft = RGB(10, 28, 66);
constexpr COLORREF kSkyRight = RGB(24, 104, 160);
constexpr COLORREF kTrace = RGB(60, 120, 180);
constexpr COLORREF kBoard = RGB(0, 112, 62);
constexpr COLORREF kBoardEdge = RGB(0, 70, 40);
constexpr COLORREF kChip = RGB(28, 28, 28);
constexpr COLORREF kGold = RGB(226, 178, 46);
constexpr COLORREF kTitle = RGB(255, 255, 255);
constexpr COLORREF kSubtitle = RGB(196, 220, 242);
constexpr COLORREF kMaker = RGB(150, 184, 216);
constexpr COLORREF kIconBlue = RGB(30, 90, 190);
constexpr const char* kSubtitleText = "RAM Details at your fingertips";
constexpr const char* kMakerText = "Tervane";
constexpr const char* kArtFace = "Tahoma";

// A top-down DIB section; its pixels stay reachable through bits.
HBITMAP MakeDib(int width, int height, WORD bitCount, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
  if (!bitmap) throw std::runtime_error("Cannot create a picture of the About dialog.");
  return bitmap;
}

int Mix(int a, int b, int step, int steps) { return a + (b - a) * step / steps; }

void PaintSky(HDC dc) {
  for (int x = 0; x < kAboutBannerWidth; ++x) {
    COLORREF c = RGB(Mix(GetRValue(kSkyLeft), GetRValue(kSkyRight), x, kAboutBannerWidth),
                     Mix(GetGValue(kSkyLeft), GetGValue(kSkyRight), x, kAboutBannerWidth),
                     Mix(GetBValue(kSkyLeft), GetBValue(kSkyRight), x, kAboutBannerWidth));
    FillSolid(dc, RECT{x, 0, x + 1, kAboutBannerHeight}, c);
  }
}

// Faint circuit-board traces behind the modules.
void PaintTraces(HDC dc) {
  const int rows[] = {12, 40, 68, 88};
  for (int i = 0; i < 4; ++i) {
    const int y = rows[i];
    const int start = 206 + i * 6;  // right of the subtitle
    FillSolid(dc, RECT{start, y, kAboutBannerWidth, y + 1}, kTrace);
    FillSolid(dc, RECT{start - 2, y - 2, start + 3, y + 3}, kTrace);
  }
  FillSolid(dc, RECT{212, 12, 213, 40}, kTrace);
  FillSolid(dc, RECT{224, 68, 225, 88}, kTrace);
}

void PaintModule(HDC dc, int left, int top) {
  constexpr int kWidth = 140, kHeight = 30, kChips = 8;
  FillSolid(dc, RECT{left, top, left + kWidth, top + kHeight}, kBoardEdge);
  FillSolid(dc, RECT{left + 1, top + 1, left + kWidth - 1, top + kHeight - 1}, kBoard);
  for (int i = 0; i < kChips; ++i) {
    const int x = left + 6 + i * 17;
    FillSolid(dc, RECT{x, top + 5, x + 12, top + 18}, kChip);
  }
  for (int x = left + 3; x < left + kWidth - 3; x += 3)
    if (x < left + 80 || x > left + 86) FillSolid(dc, RECT{x, top + 22, x + 2, top + kHeight - 1}, kGold);
}

void PaintText(HDC dc, const char* text, int x, int y, int height, int weight, COLORREF color) {
  TFontHandle font(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                               DEFAULT_PITCH, kArtFace));
  TSelectGuard select(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  TextOutA(dc, x, y, text, static_cast<int>(strlen(text)));
}
}  // namespace

HBITMAP CreateAboutBanner() {
  // 24 bits: no alpha channel for a picture control to treat specially.
  void* bits = nullptr;
  TBitmapHandle banner(MakeDib(kAboutBannerWidth, kAboutBannerHeight, 24, &bits));
  TMemoryDc dc;
  {
    TSelectGuard select(dc.Get(), banner.Get());
    PaintSky(dc.Get());
    PaintTraces(dc.Get());
    PaintModule(dc.Get(), 234, 18);
    PaintModule(dc.Get(), 220, 52);
    PaintText(dc.Get(), kApplicationTitle, 18, 10, 34, FW_BOLD, kTitle);
    PaintText(dc.Get(), kSubtitleText, 20, 52, 13, FW_NORMAL, kSubtitle);
    PaintText(dc.Get(), kMakerText, 20, 72, 11, FW_BOLD, kMaker);
  }
  GdiFlush();
  return banner.Release();
}

namespace {
constexpr COLORREF kIconKey = RGB(255, 0, 255);  // background, made transparent afterwards
constexpr uint32_t kIconKeyPixel = 0x00FF00FF;    // the same as a DIB pixel (0xAARRGGBB)
constexpr uint32_t kOpaque = 0xFF000000;

// A white "i" on a blue disc.
void PaintIcon(HDC dc, int size) {
  FillSolid(dc, RECT{0, 0, size, size}, kIconKey);
  TBrushHandle disc(CreateSolidBrush(kIconBlue));
  TPenHandle rim(CreatePen(PS_SOLID, 1, kIconBlue));
  TSelectGuard selectBrush(dc, disc.Get());
  TSelectGuard selectPen(dc, rim.Get());
  Ellipse(dc, 0, 0, size, size);
  const int unit = size / 8;  // 4 pixels at 32, 2 at 16
  const int left = (size - unit) / 2;
  FillSolid(dc, RECT{left, 2 * unit - unit / 2, left + unit, 3 * unit - unit / 2}, kTitle);
  FillSolid(dc, RECT{left, 3 * unit + unit / 2, left + unit, size - 2 * unit + unit / 2}, kTitle);
}

// Key-coloured pixels become transparent in both the colour image (alpha) and the mask.
HBITMAP MakeMaskAndAlpha(uint32_t* bits, int size) {
  const int stride = (size + 15) / 16 * 2;  // monochrome rows are WORD-aligned
  std::vector<uint8_t> mask(stride * size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      uint32_t& pixel = bits[y * size + x];
      if ((pixel & 0x00FFFFFF) == kIconKeyPixel) {
        pixel = 0;
        mask[y * stride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      } else {
        pixel |= kOpaque;
      }
    }
  }
  return CreateBitmap(size, size, 1, 1, mask.data());
}
}  // namespace

HICON CreateAboutIcon(int size) {
  void* bits = nullptr;
  TBitmapHandle color(MakeDib(size, size, 32, &bits));
  {
    TMemoryDc dc;
    TSelectGuard select(dc.Get(), color.Get());
    PaintIcon(dc.Get(), size);
  }
  GdiFlush();
  TBitmapHandle mask(MakeMaskAndAlpha(static_cast<uint32_t*>(bits), size));
  ICONINFO info{TRUE, 0, 0, mask.Get(), color.Get()};
  HICON icon = mask.Get() ? CreateIconIndirect(&info) : nullptr;
  if (!icon) throw std::runtime_error("Cannot create the icon of the About dialog.");
  return icon;
}
