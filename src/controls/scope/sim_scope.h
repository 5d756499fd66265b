#pragma once
// TSimScope: a strip chart in the manner of an oscilloscope. A dark field with a grid and a
// base line, over which the lines trace the recent history of their values and scroll to the
// left by one step at every Advance. All drawing goes into the scope's own pixel buffer; the
// window that shows it only copies the buffer (see sim_scope_win32.h). Portable: the platform
// side plugs in through TScopeHost.
#include <cstdint>
#include <functional>

#include "controls/scope/raster.h"
#include "controls/scope/sim_scope_lines.h"

enum TSimScopeDisplayUnit { duPixels, duLogical };

// What the scope needs from the window that shows it.
class TScopeHost {
 public:
  virtual ~TScopeHost() = default;
  virtual bool HasParent() const = 0;
  virtual void Repaint() = 0;  // copy the buffer to the screen now
  virtual void ApplyClock(bool enabled, int periodMs) = 0;
  virtual void ApplyBounds(int left, int top, int width, int height) = 0;
};

class TSimScope {
 public:
  static constexpr int kMinimumSize = 20;
  static constexpr int kClockUnitMs = 10;

  TSimScope();
  TSimScope(const TSimScope&) = delete;
  TSimScope& operator=(const TSimScope&) = delete;

  // Not owned; null means no window (no parent, no repaint, no clock ticks).
  void SetHost(TScopeHost* host) { FHost = host; }

  // Operations.
  void Advance();
  void RedrawAll();
  void RefreshDisplay(bool redraw);
  void ComputeMetrics();
  int ValueToPixel(const TScopeLine& line, std::int32_t value) const;
  // Resizing: never below 20 x 20; in pixel units the value range and time span follow.
  void SetBounds(int left, int top, int width, int height);
  // After the properties of a window description are applied: every line starts from two zeros.
  void Loaded();
  // Resizes the buffer to the control's size, hands it to copy, and marks the scope constructed.
  void Paint(const std::function<void(const TRaster&)>& copy);

  // Properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  TColor BaseColor() const { return FBaseColor; }
  void SetBaseColor(TColor value) { FBaseColor = value; }
  std::int32_t BaseLine() const { return FBaseLine; }
  void SetBaseLine(std::int32_t value);
  TScopeLineUnit BaseLineUnit() const { return FBaseLineUnit; }
  void SetBaseLineUnit(TScopeLineUnit value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TSimScopeDisplayUnit DisplayUnits() const { return FDisplayUnits; }
  void SetDisplayUnits(TSimScopeDisplayUnit value);
  TColor GridColor() const { return FGridColor; }
  void SetGridColor(TColor value) { FGridColor = value; }
  std::int32_t GridSize() const;
  void SetGridSize(std::int32_t value);
  std::int32_t HorizontalGridSize() const { return FHorizontalGridSize; }
  void SetHorizontalGridSize(std::int32_t value);
  std::int32_t VerticalGridSize() const { return FVerticalGridSize; }
  void SetVerticalGridSize(std::int32_t value);
  std::int32_t Interval() const { return FInterval; }
  void SetInterval(std::int32_t value);
  TScopeLines& Lines() { return FLines; }
  const TScopeLines& Lines() const { return FLines; }
  void SetLines(const TScopeLines& value);
  std::int32_t Maximum() const { return FMaximum; }
  void SetMaximum(std::int32_t value);
  std::int32_t Minimum() const { return FMinimum; }
  void SetMinimum(std::int32_t value);
  std::int32_t TotalTimeSteps() const { return FTotalTimeSteps; }
  void SetTotalTimeSteps(std::int32_t value);
  std::int32_t UpdateTimeSteps() const { return FUpdateTimeSteps; }
  void SetUpdateTimeSteps(std::int32_t value);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  std::function<void(TSimScope& sender)> OnUpdate;

  // State the drawing works from.
  const TRaster& Buffer() const { return FBuffer; }
  int BaseRow() const { return FBaseRow; }
  double StepWidth() const { return FStepWidth; }
  double GridCounter() const { return FGridCounter; }
  bool ClockEnabled() const { return FClockEnabled; }
  int ClockPeriodMs() const { return FClockPeriodMs; }

 private:
  double GridStep() const;
  int ScrollPixels() const;
  void DrawHorizontalGrid(int left, int right);
  void DrawVerticalGrid();
  void DrawLineHistory(TScopeLine& line);
  void AdvanceGrid(int p);
  void AdvanceLine(TScopeLine& line, int p);
  int RingLimit(int count) const;
  void SetClock(bool enabled, std::int64_t periodMs);

  bool FConstructed = false;
  TRaster FBuffer;
  TScopeHost* FHost = nullptr;
  bool FClockEnabled = false;
  int FClockPeriodMs = 0;
  bool FActive = false;
  TColor FColor = 0;
  TColor FBaseColor = 0;
  TColor FGridColor = 0;
  std::int32_t FBaseLine = 0;
  std::int32_t FInterval = 0;
  TScopeLines FLines{*this};
  std::int32_t FHorizontalGridSize = 0;
  std::int32_t FVerticalGridSize = 0;
  TSimScopeDisplayUnit FDisplayUnits = duPixels;
  std::int32_t FMaximum = 0;
  std::int32_t FMinimum = 0;
  TScopeLineUnit FBaseLineUnit = luPercent;
  std::int32_t FTotalTimeSteps = 0;
  std::int32_t FUpdateTimeSteps = 0;
  int FBaseRow = 0;
  double FStepWidth = 0.0;
  double FGridCounter = 0.0;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
};
