#pragma once
// Number rules of the scope's drawing: rounding and the grid walks.
#include <functional>

// Nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, 32.5 -> 32), independent of
// the floating-point rounding mode.
double RoundHalfEven(double value);

// RoundHalfEven, clamped to the coordinate range the raster accepts.
int RoundToPixel(double value);

using GridRowSink = std::function<void(int row)>;

// y := start; while rows > y: y := y + step, emit round(y). Only rows in [0, rows) are
// emitted: the others fall outside the buffer. Steps below one pixel and walks that begin far
// outside the buffer are shortened without changing the rows that reach the buffer.
void WalkGridForward(double start, double step, int rows, const GridRowSink& emit);

// y := start; while y > 0: y := y - step, emit round(y). Only rows in [0, rows) are emitted.
void WalkGridBackward(double start, double step, int rows, const GridRowSink& emit);

// x := width; while x > 0: emit round(x - 1), x := x - step.
void WalkGridColumns(int width, double step, const GridRowSink& emit);
