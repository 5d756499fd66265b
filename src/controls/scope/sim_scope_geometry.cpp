#include "controls/scope/sim_scope_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPixelLimit = 1 << 27;  // as far as the raster's coordinates go

void EmitRange(int first, int last, int rows, const GridRowSink& emit) {
  for (int row = std::max(first, 0); row <= std::min(last, rows - 1); ++row) emit(row);
}
}  // namespace

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

int RoundToPixel(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(RoundHalfEven(value), -kPixelLimit, kPixelLimit));
}

// With a step below one pixel consecutive values round to neighbouring rows, so the walk touches
// every row between its first value and its end: emitting that range directly is the same.
void WalkGridForward(double start, double step, int rows, const GridRowSink& emit) {
  if (!(rows > start)) return;
  if (step < 1.0) return EmitRange(RoundToPixel(start + step), rows - 1, rows, emit);
  const double skipped = std::floor(-start / step) - 1.0;  // whole steps still above row 0
  double y = skipped > 0 ? start + skipped * step : start;
  while (rows > y) {
    y += step;
    const int row = RoundToPixel(y);
    if (row >= 0 && row < rows) emit(row);
  }
}

void WalkGridBackward(double start, double step, int rows, const GridRowSink& emit) {
  if (!(start > 0)) return;
  if (step < 1.0) return EmitRange(0, RoundToPixel(start - step), rows, emit);
  const double skipped = std::floor((start - rows) / step) - 1.0;  // whole steps below the buffer
  double y = skipped > 0 ? start - skipped * step : start;
  while (y > 0) {
    y -= step;
    const int row = RoundToPixel(y);
    if (row >= 0 && row < rows) emit(row);
  }
}

void WalkGridColumns(int width, double step, const GridRowSink& emit) {
  if (step < 1.0) return EmitRange(0, width - 1, width, emit);
  for (double x = width; x > 0; x -= step) {
    const int column = RoundToPixel(x - 1);
    if (column >= 0 && column < width) emit(column);
  }
}
