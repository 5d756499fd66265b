// The main window's memory graph, pixel by pixel: 89 x 65, base line at 80 percent, grid every
// 5 pixels, one lime trace of the memory load.
#include <gtest/gtest.h>

#include <set>

#include "window_model/memory_panel.h"

namespace {
constexpr int kWidth = 89, kHeight = 65;
constexpr TColor kBlack = 0x000000, kGreen = 0x008000, kRed = 0x0000FF, kLime = 0x00FF00;

const std::set<int> kGridRows = {3, 8, 18, 23, 28, 33, 38, 43, 48, 53, 58, 63};
constexpr int kBaseRow = 13;

bool IsRedrawGridColumn(int x) { return x % 5 == 3; }  // 88, 83, ..., 3

class MemoryScope : public testing::Test {
 protected:
  void SetUp() override {
    scope.SetBounds(115, 10, kWidth, kHeight);  // as the main window creates it
    ConfigureMemoryScope(scope);
  }
  void AdvanceWith(int load, int times = 1) {
    scope.Lines().Items(0).SetPosition(load);
    for (int i = 0; i < times; ++i) scope.Advance();
  }
  TColor At(int x, int y) const { return scope.Buffer().Pixel(x, y); }

  TSimScope scope;
};
}  // namespace

TEST_F(MemoryScope, SettingsAndMetrics) {
  EXPECT_EQ(scope.Width(), kWidth);
  EXPECT_EQ(scope.Height(), kHeight);
  EXPECT_EQ(scope.Minimum(), 0);
  EXPECT_EQ(scope.Maximum(), 65);
  EXPECT_EQ(scope.TotalTimeSteps(), 89);
  EXPECT_EQ(scope.BaseLine(), 80);
  EXPECT_EQ(scope.GridSize(), 5);
  EXPECT_FALSE(scope.Active());
  EXPECT_FALSE(scope.ClockEnabled());
  EXPECT_DOUBLE_EQ(scope.StepWidth(), 1.0);
  EXPECT_EQ(scope.UpdateTimeSteps(), 2);
  EXPECT_EQ(scope.BaseRow(), kBaseRow);
  ASSERT_EQ(scope.Lines().Count(), 1);
  const TScopeLine& line = scope.Lines().Items(0);
  EXPECT_EQ(line.Color(), kLime);
  EXPECT_EQ(line.Position(), 50);
  EXPECT_EQ(line.Values().Count(), 2);
  ConfigureMemoryScope(scope);  // configuring again keeps one line
  EXPECT_EQ(scope.Lines().Count(), 1);
}

TEST_F(MemoryScope, RedrawAllDrawsGridAndBaseLineExactly) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      TColor expected = kBlack;
      if (kGridRows.count(y) || IsRedrawGridColumn(x)) expected = kGreen;
      if (y == kBaseRow) expected = kRed;
      ASSERT_EQ(At(x, y), expected) << "pixel " << x << "," << y;
    }
}

TEST_F(MemoryScope, LoadPercentagesMapToRows) {
  const TScopeLine& line = scope.Lines().Items(0);
  EXPECT_EQ(scope.ValueToPixel(line, 50), 33);  // 65 - round(32.5)
  EXPECT_EQ(scope.ValueToPixel(line, 80), kBaseRow);
  EXPECT_EQ(scope.ValueToPixel(line, 100), 0);
  EXPECT_EQ(scope.ValueToPixel(line, 0), 65);  // just below the visible rows
  for (auto [load, row] : {std::pair{50, 33}, {80, kBaseRow}, {100, 0}}) {
    AdvanceWith(load, 3);  // by the third step the last strips are level
    for (int x = 85; x < kWidth; ++x) EXPECT_EQ(At(x, row), kLime) << load << "% at x " << x;
  }
}

TEST_F(MemoryScope, FirstAdvanceRisesFromTheBottomEdge) {
  AdvanceWith(50);
  // (85,65) to (87,65) lies below the last row; (87,65) to (89,33) climbs two columns.
  for (int y = 0; y < kHeight; ++y) {
    EXPECT_EQ(At(87, y) == kLime, y >= 57 && y <= 64) << "column 87, row " << y;
    EXPECT_EQ(At(88, y) == kLime, y >= 41 && y <= 56) << "column 88, row " << y;
    EXPECT_NE(At(85, y), kLime);
    EXPECT_NE(At(86, y), kLime);
  }
  // The fresh strip: black except the grid rows and the base line; no vertical grid yet.
  EXPECT_EQ(At(88, 1), kBlack);
  EXPECT_EQ(At(88, 8), kGreen);
  EXPECT_EQ(At(88, kBaseRow), kRed);
  EXPECT_EQ(At(86, 1), IsRedrawGridColumn(88) ? kGreen : kBlack);  // column 88 moved to 86
}

TEST_F(MemoryScope, ScrollingDrawsAVerticalGridLineEverySecondStep) {
  AdvanceWith(50);  // row 1 stays clear of the trace at 50 percent
  for (int call = 1; call <= 10; ++call) {
    if (call > 1) scope.Advance();
    EXPECT_EQ(At(88, 1), call % 2 == 0 ? kGreen : kBlack) << "call " << call;
  }
  // After ten steps: the redrawn grid moved 20 columns left, the scrolled one lies every 4.
  for (int x = 0; x < kWidth; ++x) {
    const bool redrawn = x + 20 < kWidth && IsRedrawGridColumn(x + 20);
    const bool scrolled = x >= 72 && (88 - x) % 4 == 0;
    EXPECT_EQ(At(x, 1), redrawn || scrolled ? kGreen : kBlack) << "column " << x;
  }
}

// Each column holds lime pixels that touch the next column's (8-connected): the segments drawn
// at each step join those of the step before.
TEST_F(MemoryScope, TraceStaysContinuousAcrossManySteps) {
  unsigned seed = 12345;
  for (int step = 0; step < 400; ++step) {
    seed = seed * 1103515245u + 12345u;
    AdvanceWith(1 + static_cast<int>((seed >> 16) % 100));  // rows 0 to 64: all visible
    if (step < 45) continue;  // until the redrawn picture has scrolled out
    for (int x = 0; x + 1 < kWidth; ++x) {
      bool joined = false;
      for (int y = 0; y < kHeight && !joined; ++y)
        for (int dy = -1; dy <= 1 && !joined; ++dy)
          joined = At(x, y) == kLime && At(x + 1, y + dy) == kLime;
      ASSERT_TRUE(joined) << "gap after column " << x << " at step " << step;
    }
  }
}
