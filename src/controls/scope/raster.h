#pragma once
// A 32-bit pixel buffer with the few drawing primitives the self-drawn controls need: fill, a
// one-pixel pen with move/line semantics, and an overlapping copy. Rows run top-down and each
// pixel is stored as the 32-bit DIB layout 0x00RRGGBB, so a window can copy the whole buffer to
// the screen in one call. Colours come in and go out as $00BBGGRR (red in the low byte).
#include <cstdint>
#include <vector>

using TColor = std::uint32_t;

class TRaster {
 public:
  TRaster() = default;
  TRaster(int width, int height) { SetSize(width, height); }

  // Keeps the pixels that lie in both the old and the new size; new pixels are black.
  void SetSize(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Outside the buffer reads black.
  TColor Pixel(int x, int y) const;
  // Rows top-down, one 0x00RRGGBB word per pixel.
  const std::uint32_t* Bits() const { return FPixels.data(); }

  // The rectangle includes left/top and excludes right/bottom; clipped to the buffer.
  void FillRect(int left, int top, int right, int bottom, TColor color);

  void SetPenColor(TColor color) { FPen = ToPixel(color); }
  void MoveTo(int x, int y);
  // Draws from the pen position to (x, y) without painting (x, y) itself, then moves the pen
  // there: the same pixels as a one-pixel cosmetic pen on GDI (see raster.cpp).
  void LineTo(int x, int y);

  // Copies width x height pixels from (srcX, srcY) to (destX, destY); the areas may overlap.
  void CopyRect(int destX, int destY, int srcX, int srcY, int width, int height);

  bool operator==(const TRaster& other) const;

  static std::uint32_t ToPixel(TColor color);
  static TColor FromPixel(std::uint32_t pixel);

 private:
  bool Inside(std::int64_t x, std::int64_t y) const;
  void Plot(std::int64_t x, std::int64_t y) {
    if (Inside(x, y)) FPixels[static_cast<std::size_t>(y * FWidth + x)] = FPen;
  }
  void DrawMajorAxis(std::int64_t major0, std::int64_t minor0, std::int64_t dMajor,
                     std::int64_t dMinor, bool xMajor);
  void DrawStraightRun(std::int64_t from, std::int64_t to, std::int64_t minor, bool xMajor);

  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint32_t> FPixels;
  std::uint32_t FPen = 0;
  int FPenX = 0;
  int FPenY = 0;
};
