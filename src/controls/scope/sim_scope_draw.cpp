// TSimScope: drawing the whole buffer from the histories, and the step-by-step scroll.
#include <limits>

#include "controls/scope/sim_scope.h"
#include "controls/scope/sim_scope_geometry.h"

namespace {
std::int32_t ItemAt(const TScopeLineValues& values, std::int64_t index) {
  return values.Item(index < 0 ? -1 : static_cast<int>(index));
}
}  // namespace

void TSimScope::RedrawAll() {
  if (!FConstructed) return;
  ComputeMetrics();
  FBuffer.FillRect(0, 0, FWidth + 1, FHeight + 1, FColor);
  FBuffer.SetPenColor(FGridColor);
  DrawVerticalGrid();
  DrawHorizontalGrid(0, FWidth);
  FBuffer.SetPenColor(FBaseColor);
  FBuffer.MoveTo(0, FBaseRow);
  FBuffer.LineTo(FWidth, FBaseRow);
  for (int i = 0; i < FLines.Count(); ++i) DrawLineHistory(FLines.Items(i));
  FGridCounter = 1.0;
}

void TSimScope::DrawVerticalGrid() {
  WalkGridColumns(FWidth, FVerticalGridSize * FStepWidth, [this](int column) {
    FBuffer.MoveTo(column, 0);
    FBuffer.LineTo(column, FHeight);
  });
}

// The grid lines below and above the base line; the base row itself gets none.
void TSimScope::DrawHorizontalGrid(int left, int right) {
  const auto piece = [this, left, right](int row) {
    FBuffer.MoveTo(left, row);
    FBuffer.LineTo(right, row);
  };
  WalkGridForward(FBaseRow, GridStep(), FHeight, piece);
  WalkGridBackward(FBaseRow, GridStep(), FHeight, piece);
}

// The history ends at the right edge; a history longer than the time span starts left of it.
void TSimScope::DrawLineHistory(TScopeLine& line) {
  FBuffer.SetPenColor(line.Color());
  const TScopeLineValues& values = line.Values();
  if (values.Count() <= 0) {
    line.Clear();
    return;
  }
  const std::int64_t step = FUpdateTimeSteps;
  const std::int64_t count = values.Count();
  double x = static_cast<double>(FTotalTimeSteps - count) * FStepWidth;
  FBuffer.MoveTo(RoundToPixel(x), ValueToPixel(line, values.Item(0)));
  for (std::int64_t j = step - 1; j < count - 1; j += step) {
    x += step * FStepWidth;
    FBuffer.LineTo(RoundToPixel(x), ValueToPixel(line, ItemAt(values, j)));
  }
}

void TSimScope::Advance() {
  const int p = ScrollPixels();
  FBuffer.CopyRect(0, 0, p, 0, FWidth - p, FHeight);
  FBuffer.FillRect(FWidth - p, 0, FWidth, FHeight, FColor);
  AdvanceGrid(p);
  for (int i = 0; i < FLines.Count(); ++i) AdvanceLine(FLines.Items(i), p);
  if (FHost) FHost->Repaint();
  if (OnUpdate) OnUpdate(*this);
}

// A vertical grid line every n steps, n = the grid spacing in steps of p pixels, rounded.
void TSimScope::AdvanceGrid(int p) {
  FBuffer.SetPenColor(FGridColor);
  const double n = p > 0 ? RoundHalfEven(FVerticalGridSize * FStepWidth / p)
                         : std::numeric_limits<double>::infinity();
  if (!(n > FGridCounter)) {
    FBuffer.MoveTo(FWidth - 1, 0);
    FBuffer.LineTo(FWidth - 1, FHeight);
    FGridCounter = 0.0;
  }
  FGridCounter += 1.0;
  DrawHorizontalGrid(FWidth - p, FWidth);
  FBuffer.SetPenColor(FBaseColor);
  FBuffer.MoveTo(FWidth - p, FBaseRow);
  FBuffer.LineTo(FWidth, FBaseRow);
}

// Redraws the previous step's last segment one strip further left, then the new one, so the
// trace stays continuous across strips; then records the position.
void TSimScope::AdvanceLine(TScopeLine& line, int p) {
  TScopeLineValues& values = line.Values();
  const std::int64_t step = FUpdateTimeSteps;
  const std::int64_t count = values.Count();
  const int y0 = ValueToPixel(line, line.Position());
  const int y1 = ValueToPixel(line, ItemAt(values, count - step));
  const int y2 = ValueToPixel(line, ItemAt(values, count - 2 * step));
  FBuffer.SetPenColor(line.Color());
  FBuffer.MoveTo(FWidth - 2 * p, y2);
  FBuffer.LineTo(FWidth - p, y1);
  FBuffer.LineTo(FWidth, y0);
  values.SetLimit(RingLimit(values.Count()));
  for (std::int64_t i = 0; i < step; ++i) values.Add(line.Position());
}
