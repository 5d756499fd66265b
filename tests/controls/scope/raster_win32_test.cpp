// The raster's lines must light exactly the pixels that GDI's LineTo lights with a one-pixel
// pen, so the scope looks the same whichever draws it. Compared here against GDI itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "controls/scope/raster.h"

namespace {
constexpr TColor kWhite = 0x00FFFFFF;

// A top-down 32-bit DIB section selected into a memory DC with a white one-pixel pen.
class GdiCanvas {
 public:
  GdiCanvas(int width, int height) : FWidth(width), FHeight(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    FDc = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDc, &info, DIB_RGB_COLORS, &FBits, nullptr, 0);
    FPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    FOldBitmap = SelectObject(FDc, FBitmap);
    FOldPen = SelectObject(FDc, FPen);
  }
  ~GdiCanvas() {
    SelectObject(FDc, FOldPen);
    SelectObject(FDc, FOldBitmap);
    DeleteObject(FPen);
    DeleteObject(FBitmap);
    DeleteDC(FDc);
  }
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void Line(int x0, int y0, int x1, int y1) {
    std::memset(FBits, 0, static_cast<size_t>(FWidth) * FHeight * 4);
    MoveToEx(FDc, x0, y0, nullptr);
    LineTo(FDc, x1, y1);
    GdiFlush();
  }
  const DWORD* Bits() const { return static_cast<const DWORD*>(FBits); }

 private:
  int FWidth, FHeight;
  HDC FDc;
  HBITMAP FBitmap;
  HPEN FPen;
  HGDIOBJ FOldBitmap, FOldPen;
  void* FBits = nullptr;
};

// Empty when both agree, else the first differing pixel.
std::string Compare(GdiCanvas& gdi, int width, int height, int x0, int y0, int x1, int y1) {
  gdi.Line(x0, y0, x1, y1);
  TRaster raster(width, height);
  raster.SetPenColor(kWhite);
  raster.MoveTo(x0, y0);
  raster.LineTo(x1, y1);
  if (std::memcmp(gdi.Bits(), raster.Bits(), static_cast<size_t>(width) * height * 4) == 0)
    return {};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (gdi.Bits()[y * width + x] != raster.Bits()[y * width + x])
        return "line (" + std::to_string(x0) + "," + std::to_string(y0) + ")-(" +
               std::to_string(x1) + "," + std::to_string(y1) + ") differs at (" +
               std::to_string(x) + "," + std::to_string(y) + ")";
  return {};
}
}  // namespace

TEST(RasterAgainstGdi, EveryShortLineInAndAroundASmallBufferMatches) {
  constexpr int kWidth = 11, kHeight = 9;
  GdiCanvas gdi(kWidth, kHeight);
  int mismatches = 0;
  for (int x0 = -2; x0 <= kWidth + 1; ++x0)
    for (int y0 = -2; y0 <= kHeight + 1; ++y0)
      for (int x1 = -2; x1 <= kWidth + 1; ++x1)
        for (int y1 = -2; y1 <= kHeight + 1; ++y1) {
          const std::string diff = Compare(gdi, kWidth, kHeight, x0, y0, x1, y1);
          if (!diff.empty() && ++mismatches <= 5) ADD_FAILURE() << diff;
        }
  EXPECT_EQ(mismatches, 0);
}

TEST(RasterAgainstGdi, SteepTraceSegmentsAndLongClippedLinesMatch) {
  constexpr int kWidth = 89, kHeight = 65;
  GdiCanvas gdi(kWidth, kHeight);
  // The scope's trace: two-pixel-wide segments between any two rows, including row 65.
  for (int from = 0; from <= kHeight; ++from)
    for (int to = 0; to <= kHeight; ++to) {
      EXPECT_EQ(Compare(gdi, kWidth, kHeight, 85, from, 87, to), "");
      EXPECT_EQ(Compare(gdi, kWidth, kHeight, 87, from, 89, to), "");
    }
  std::mt19937 random(4);
  std::uniform_int_distribution<int> coordinate(-3000, 3000);
  for (int i = 0; i < 3000; ++i)
    EXPECT_EQ(Compare(gdi, kWidth, kHeight, coordinate(random), coordinate(random), coordinate(random), coordinate(random)), "");
}
