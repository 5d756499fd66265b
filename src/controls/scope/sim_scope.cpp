// TSimScope: construction, properties, resizing and metrics. The drawing is in sim_scope_draw.cpp.
#include "controls/scope/sim_scope.h"

#include <algorithm>
#include <climits>

#include "controls/scope/sim_scope_geometry.h"

namespace {
constexpr int kDefaultWidth = 208;
constexpr int kDefaultHeight = 120;
constexpr TColor kDefaultColor = 0x000000;      // black
constexpr TColor kDefaultGridColor = 0x008000;  // green
constexpr TColor kDefaultBaseColor = 0x0000FF;  // red
constexpr std::int32_t kDefaultBaseLine = 50;
constexpr std::int32_t kDefaultGridSize = 16;
constexpr std::int32_t kDefaultInterval = 50;  // 500 ms
constexpr std::int32_t kDefaultUpdateTimeSteps = 2;
constexpr int kInitialClockPeriodMs = 500;
// One Advance must move the trace by at least this many pixels.
constexpr double kMinimumScrollPixels = 2.0;

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}
}  // namespace

TSimScope::TSimScope() {
  SetClock(false, kInitialClockPeriodMs);
  FDisplayUnits = duPixels;
  SetUpdateTimeSteps(kDefaultUpdateTimeSteps);
  SetHeight(kDefaultHeight);
  SetWidth(kDefaultWidth);
  FColor = kDefaultColor;
  FGridColor = kDefaultGridColor;
  FBaseColor = kDefaultBaseColor;
  SetBaseLine(kDefaultBaseLine);
  SetGridSize(kDefaultGridSize);
  SetInterval(kDefaultInterval);
  FGridCounter = 1.0;
  FConstructed = true;
}

void TSimScope::SetClock(bool enabled, std::int64_t periodMs) {
  FClockEnabled = enabled;
  FClockPeriodMs = static_cast<int>(std::clamp<std::int64_t>(periodMs, 0, INT_MAX));
  if (FHost) FHost->ApplyClock(FClockEnabled, FClockPeriodMs);
}

void TSimScope::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  ComputeMetrics();
  SetClock(value, static_cast<std::int64_t>(FInterval) * kClockUnitMs);
}

void TSimScope::SetInterval(std::int32_t value) {
  if (value == FInterval) return;
  SetClock(false, FClockPeriodMs);
  ComputeMetrics();
  FInterval = value;
  SetClock(FActive, static_cast<std::int64_t>(value) * kClockUnitMs);
}

void TSimScope::SetBaseLine(std::int32_t value) {
  FBaseLine = value;
  ComputeMetrics();
  RefreshDisplay(true);
}

void TSimScope::SetBaseLineUnit(TScopeLineUnit value) {
  if (value == FBaseLineUnit) return;
  FBaseLineUnit = value;
  RefreshDisplay(true);
}

void TSimScope::SetDisplayUnits(TSimScopeDisplayUnit value) {
  if (value == FDisplayUnits) return;
  FDisplayUnits = value;
  if (value == duPixels) {
    FMinimum = 0;
    FMaximum = FHeight;
  }
  RefreshDisplay(true);
}

std::int32_t TSimScope::GridSize() const {
  return FHorizontalGridSize == FVerticalGridSize ? FHorizontalGridSize : -1;
}

void TSimScope::SetGridSize(std::int32_t value) {
  if (value <= 0 || (value == FHorizontalGridSize && value == FVerticalGridSize)) return;
  FHorizontalGridSize = value;
  FVerticalGridSize = value;
  RefreshDisplay(true);
}

void TSimScope::SetHorizontalGridSize(std::int32_t value) {
  if (value <= 0 || value == FHorizontalGridSize) return;
  FHorizontalGridSize = value;
  RefreshDisplay(true);
}

void TSimScope::SetVerticalGridSize(std::int32_t value) {
  if (value <= 0 || value == FVerticalGridSize) return;
  FVerticalGridSize = value;
  RefreshDisplay(true);
}

void TSimScope::SetLines(const TScopeLines& value) {
  FLines.Assign(value);
  RedrawAll();
}

// In pixel units the range follows the size; in logical units the drawing divides by
// Maximum - Minimum and by TotalTimeSteps, so values that would break it are refused.
void TSimScope::SetMaximum(std::int32_t value) {
  if (FDisplayUnits != duLogical || value == FMaximum || value <= FMinimum) return;
  FMaximum = value;
  RefreshDisplay(true);
}

void TSimScope::SetMinimum(std::int32_t value) {
  if (FDisplayUnits != duLogical || value == FMinimum || value >= FMaximum) return;
  FMinimum = value;
  RefreshDisplay(true);
}

void TSimScope::SetTotalTimeSteps(std::int32_t value) {
  if (FDisplayUnits != duLogical || value == FTotalTimeSteps || value < 1) return;
  FTotalTimeSteps = value;
  RefreshDisplay(true);
}

void TSimScope::SetUpdateTimeSteps(std::int32_t value) {
  if (value <= 0 || value == FUpdateTimeSteps) return;
  FUpdateTimeSteps = value;
}

void TSimScope::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, kMinimumSize);
  height = std::max(height, kMinimumSize);
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHost) FHost->ApplyBounds(left, top, width, height);
  FBuffer.SetSize(width, height);
  if (FDisplayUnits == duPixels) {
    FMinimum = 0;
    FMaximum = height;
    FTotalTimeSteps = width;
  }
  RedrawAll();
}

void TSimScope::RefreshDisplay(bool redraw) {
  if (FHost == nullptr || !FHost->HasParent()) return;
  if (redraw) RedrawAll();
  FHost->Repaint();
}

void TSimScope::Loaded() {
  FLines.ClearValues();
  FConstructed = true;
}

void TSimScope::Paint(const std::function<void(const TRaster&)>& copy) {
  FBuffer.SetSize(FWidth, FHeight);
  copy(FBuffer);
  FConstructed = true;
}

int TSimScope::ValueToPixel(const TScopeLine& line, std::int32_t value) const {
  switch (line.PositionUnit()) {
    case luPercent:
      return FHeight - RoundToPixel(static_cast<double>(std::int64_t{FHeight} * value) / 100.0);
    case luAbsolute:
      return FHeight - RoundToPixel(
                           static_cast<double>((std::int64_t{value} - FMinimum) * FHeight) /
                           static_cast<double>(std::int64_t{FMaximum} - FMinimum));
  }
  return 0;
}

void TSimScope::ComputeMetrics() {
  if (FBaseLineUnit == luPercent)
    FBaseRow = FHeight - RoundToPixel(static_cast<double>(std::int64_t{FHeight} * FBaseLine) / 100.0);
  else if (FBaseLineUnit == luAbsolute)
    FBaseRow = FHeight - RoundToPixel(
                             static_cast<double>((std::int64_t{FBaseLine} - FMinimum) * FHeight) /
                             static_cast<double>(std::int64_t{FMaximum} - FMinimum));
  FStepWidth = static_cast<double>(FWidth) / FTotalTimeSteps;
  // Raised to 2 even when two steps are still narrower than two pixels.
  if (FUpdateTimeSteps * FStepWidth < kMinimumScrollPixels) SetUpdateTimeSteps(kDefaultUpdateTimeSteps);
}

double TSimScope::GridStep() const {
  return static_cast<double>(std::int64_t{FHorizontalGridSize} * FHeight) /
         static_cast<double>(std::int64_t{FMaximum} - FMinimum);
}

int TSimScope::ScrollPixels() const { return std::max(RoundToPixel(FUpdateTimeSteps * FStepWidth), 0); }

// The ring keeps the newest TotalTimeSteps + 2 x UpdateTimeSteps values at least, and a count
// that differs from the unbounded history's by whole update steps, so each Advance drops exactly
// the values that scrolled out and the trace's sampling stays in step.
int TSimScope::RingLimit(int count) const {
  const std::int64_t step = FUpdateTimeSteps;
  const std::int64_t least = std::int64_t{FTotalTimeSteps} + 2 * step;
  const std::int64_t offset = ((std::int64_t{count} - least) % step + step) % step;
  return ClampToInt(least + offset);
}
