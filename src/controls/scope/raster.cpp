#include "controls/scope/raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
// GDI refuses coordinates beyond 27 bits; clamping there keeps the line arithmetic in 64 bits.
constexpr std::int64_t kCoordinateLimit = (1 << 27) - 1;

std::int64_t ClampCoordinate(std::int64_t v) {
  return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {  // den > 0
  return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}
}  // namespace

std::uint32_t TRaster::ToPixel(TColor color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

TColor TRaster::FromPixel(std::uint32_t pixel) { return ToPixel(pixel); }  // the swap is its own inverse

void TRaster::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
  const int keepWidth = std::min(width, FWidth);
  for (int y = 0; y < std::min(height, FHeight); ++y)
    std::copy_n(FPixels.begin() + static_cast<std::ptrdiff_t>(y) * FWidth, keepWidth,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  FPixels.swap(pixels);
  FWidth = width;
  FHeight = height;
}

bool TRaster::Inside(std::int64_t x, std::int64_t y) const {
  return x >= 0 && y >= 0 && x < FWidth && y < FHeight;
}

TColor TRaster::Pixel(int x, int y) const {
  if (!Inside(x, y)) return 0;
  return FromPixel(FPixels[static_cast<std::size_t>(y) * FWidth + x]);
}

void TRaster::FillRect(int left, int top, int right, int bottom, TColor color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, FWidth);
  bottom = std::min(bottom, FHeight);
  if (left >= right || top >= bottom) return;
  const std::uint32_t pixel = ToPixel(color);
  for (int y = top; y < bottom; ++y) {
    auto row = FPixels.begin() + static_cast<std::ptrdiff_t>(y) * FWidth;
    std::fill(row + left, row + right, pixel);
  }
}

void TRaster::MoveTo(int x, int y) {
  FPenX = x;
  FPenY = y;
}

// A one-pixel GDI line lights, for each step along its longer axis, the pixel nearest to the
// exact line; when the line passes exactly between two pixels the one with the smaller
// coordinate wins, whatever the direction. The end point stays unpainted. Computing the minor
// coordinate in closed form lets the walk start and stop at the buffer's edges.
void TRaster::LineTo(int x, int y) {
  const std::int64_t x0 = ClampCoordinate(FPenX), y0 = ClampCoordinate(FPenY);
  const std::int64_t x1 = ClampCoordinate(x), y1 = ClampCoordinate(y);
  FPenX = x;
  FPenY = y;
  if (std::llabs(x1 - x0) >= std::llabs(y1 - y0))
    DrawMajorAxis(x0, y0, x1 - x0, y1 - y0, true);
  else
    DrawMajorAxis(y0, x0, y1 - y0, x1 - x0, false);
}

void TRaster::DrawMajorAxis(std::int64_t major0, std::int64_t minor0, std::int64_t dMajor,
                            std::int64_t dMinor, bool xMajor) {
  const std::int64_t length = std::llabs(dMajor);
  if (length == 0) return;
  const std::int64_t size = xMajor ? FWidth : FHeight;
  // Steps i in [0, length) whose major coordinate lies inside the buffer.
  std::int64_t first, last;
  if (dMajor > 0) {
    first = -major0;
    last = size - major0;
  } else {
    first = major0 - size + 1;
    last = major0 + 1;
  }
  first = std::max<std::int64_t>(first, 0);
  last = std::min(last, length);
  if (first >= last) return;
  const std::int64_t direction = dMajor > 0 ? 1 : -1;
  if (dMinor == 0)
    return DrawStraightRun(major0 + direction * first, major0 + direction * (last - 1), minor0, xMajor);
  for (std::int64_t i = first; i < last; ++i) {
    const std::int64_t major = major0 + direction * i;
    const std::int64_t minor = minor0 + CeilDiv(2 * dMinor * i - length, 2 * length);
    if (xMajor)
      Plot(major, minor);
    else
      Plot(minor, major);
  }
}

// Grid and base lines are straight: their pixels are a run along one axis, filled directly.
void TRaster::DrawStraightRun(std::int64_t from, std::int64_t to, std::int64_t minor, bool xMajor) {
  if (from > to) std::swap(from, to);
  for (std::int64_t major = from; major <= to; ++major) {
    if (xMajor)
      Plot(major, minor);
    else
      Plot(minor, major);
  }
}

void TRaster::CopyRect(int destX, int destY, int srcX, int srcY, int width, int height) {
  // Clip the pair of rectangles against both the source and the destination.
  auto clipStart = [](int& dest, int& src, int& extent) {
    const int shift = std::max({0, -dest, -src});
    dest += shift;
    src += shift;
    extent -= shift;
  };
  clipStart(destX, srcX, width);
  clipStart(destY, srcY, height);
  width = std::min({width, FWidth - destX, FWidth - srcX});
  height = std::min({height, FHeight - destY, FHeight - srcY});
  if (width <= 0 || height <= 0) return;
  auto copyRow = [&](int row) {
    std::memmove(&FPixels[static_cast<std::size_t>(destY + row) * FWidth + destX],
                 &FPixels[static_cast<std::size_t>(srcY + row) * FWidth + srcX],
                 static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  };
  if (destY <= srcY)
    for (int row = 0; row < height; ++row) copyRow(row);
  else
    for (int row = height - 1; row >= 0; --row) copyRow(row);
}

bool TRaster::operator==(const TRaster& other) const {
  return FWidth == other.FWidth && FHeight == other.FHeight && FPixels == other.FPixels;
}
