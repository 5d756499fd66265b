#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "controls/scope/sim_scope.h"

namespace {
constexpr TColor kBlack = 0x000000;
constexpr TColor kGreen = 0x008000;

// Records what the scope asks of its window.
class RecordingHost : public TScopeHost {
 public:
  bool HasParent() const override { return parent; }
  void Repaint() override { ++repaints; }
  void ApplyClock(bool enabled, int periodMs) override { clock.push_back({enabled, periodMs}); }
  void ApplyBounds(int, int, int width, int height) override { bounds = {width, height}; }

  struct Clock {
    bool enabled;
    int periodMs;
    bool operator==(const Clock&) const = default;
  };
  bool parent = true;
  int repaints = 0;
  std::vector<Clock> clock;
  std::pair<int, int> bounds{0, 0};
};

// A scope of the given size with one default line whose history starts from two zeros.
void Prepare(TSimScope& scope, int width, int height) {
  scope.SetBounds(0, 0, width, height);
  if (scope.Lines().Count() == 0) scope.Lines().Add();
  scope.Loaded();
  scope.RedrawAll();
}

int Wave(int step) { return 5 + (step * 37) % 91; }  // changing values between 5 and 95
}  // namespace

TEST(SimScope, ConstructionGivesTheDocumentedDefaults) {
  TSimScope scope;
  EXPECT_EQ(scope.Width(), 208);
  EXPECT_EQ(scope.Height(), 120);
  EXPECT_EQ(scope.Buffer().Width(), 208);
  EXPECT_EQ(scope.Buffer().Height(), 120);
  EXPECT_EQ(scope.DisplayUnits(), duPixels);
  EXPECT_EQ(scope.Minimum(), 0);
  EXPECT_EQ(scope.Maximum(), 120);
  EXPECT_EQ(scope.TotalTimeSteps(), 208);
  EXPECT_EQ(scope.UpdateTimeSteps(), 2);
  EXPECT_EQ(scope.Color(), kBlack);
  EXPECT_EQ(scope.GridColor(), kGreen);
  EXPECT_EQ(scope.BaseColor(), 0x0000FFu);
  EXPECT_EQ(scope.BaseLine(), 50);
  EXPECT_EQ(scope.BaseLineUnit(), luPercent);
  EXPECT_EQ(scope.GridSize(), 16);
  EXPECT_EQ(scope.Interval(), 50);
  EXPECT_FALSE(scope.Active());
  EXPECT_FALSE(scope.ClockEnabled());
  EXPECT_EQ(scope.ClockPeriodMs(), 500);
  EXPECT_EQ(scope.Lines().Count(), 0);
  EXPECT_EQ(scope.BaseRow(), 60);
  EXPECT_DOUBLE_EQ(scope.StepWidth(), 1.0);
  EXPECT_DOUBLE_EQ(scope.GridCounter(), 1.0);
}

TEST(SimScope, GridSizeSettersIgnoreNonPositiveAndUnchangedValues) {
  TSimScope scope;
  scope.SetHorizontalGridSize(5);
  scope.SetVerticalGridSize(7);
  EXPECT_EQ(scope.GridSize(), -1);
  scope.SetGridSize(0);
  scope.SetGridSize(-3);
  scope.SetHorizontalGridSize(-1);
  EXPECT_EQ(scope.HorizontalGridSize(), 5);
  EXPECT_EQ(scope.VerticalGridSize(), 7);
  scope.SetGridSize(9);
  EXPECT_EQ(scope.GridSize(), 9);
  EXPECT_EQ(scope.HorizontalGridSize(), 9);
  EXPECT_EQ(scope.VerticalGridSize(), 9);
}

TEST(SimScope, RangeAndTimeSpanFollowTheSizeInPixelUnits) {
  TSimScope scope;
  scope.SetMinimum(-10);
  scope.SetMaximum(500);
  scope.SetTotalTimeSteps(50);
  EXPECT_EQ(scope.Minimum(), 0);
  EXPECT_EQ(scope.Maximum(), 120);
  EXPECT_EQ(scope.TotalTimeSteps(), 208);
  scope.SetBounds(3, 4, 10, 10);  // never below 20 x 20
  EXPECT_EQ(scope.Width(), 20);
  EXPECT_EQ(scope.Height(), 20);
  EXPECT_EQ(scope.Buffer().Width(), 20);
  EXPECT_EQ(scope.Buffer().Height(), 20);
  EXPECT_EQ(scope.Maximum(), 20);
  EXPECT_EQ(scope.TotalTimeSteps(), 20);
  EXPECT_EQ(scope.Left(), 3);
  scope.SetHeight(65);
  EXPECT_EQ(scope.Maximum(), 65);
}

TEST(SimScope, LogicalUnitsAcceptOnlyARangeAndTimeSpanTheDrawingCanUse) {
  TSimScope scope;
  scope.SetDisplayUnits(duLogical);
  scope.SetMaximum(1000);
  scope.SetMinimum(-1000);
  scope.SetTotalTimeSteps(52);
  EXPECT_EQ(scope.Maximum(), 1000);
  EXPECT_EQ(scope.Minimum(), -1000);
  EXPECT_EQ(scope.TotalTimeSteps(), 52);
  scope.SetMaximum(-1000);  // not above the minimum
  scope.SetMinimum(1000);   // not below the maximum
  scope.SetTotalTimeSteps(0);
  EXPECT_EQ(scope.Maximum(), 1000);
  EXPECT_EQ(scope.Minimum(), -1000);
  EXPECT_EQ(scope.TotalTimeSteps(), 52);
  scope.SetBounds(0, 0, 100, 40);  // the size no longer sets them
  EXPECT_EQ(scope.Maximum(), 1000);
  EXPECT_DOUBLE_EQ(scope.StepWidth(), 100.0 / 52);
  scope.SetDisplayUnits(duPixels);
  EXPECT_EQ(scope.Minimum(), 0);
  EXPECT_EQ(scope.Maximum(), 40);
}

TEST(SimScope, UpdateStepsBelowTwoPixelsLastOnlyUntilTheNextMetrics) {
  TSimScope scope;
  scope.SetUpdateTimeSteps(0);
  EXPECT_EQ(scope.UpdateTimeSteps(), 2);
  scope.SetUpdateTimeSteps(1);
  EXPECT_EQ(scope.UpdateTimeSteps(), 1);
  scope.ComputeMetrics();
  EXPECT_EQ(scope.UpdateTimeSteps(), 2);
  scope.SetUpdateTimeSteps(7);
  scope.ComputeMetrics();
  EXPECT_EQ(scope.UpdateTimeSteps(), 7);
  // With a quarter pixel per step even 2 steps stay below 2 pixels; 2 is what it gets.
  scope.SetDisplayUnits(duLogical);
  scope.SetTotalTimeSteps(832);
  scope.SetUpdateTimeSteps(3);
  scope.ComputeMetrics();
  EXPECT_EQ(scope.UpdateTimeSteps(), 2);
}

TEST(SimScope, BaseRowFollowsItsUnit) {
  TSimScope scope;
  scope.SetBounds(0, 0, 89, 65);
  scope.SetBaseLine(80);
  EXPECT_EQ(scope.BaseRow(), 13);  // 65 - round(52.0)
  scope.SetBaseLine(50);
  EXPECT_EQ(scope.BaseRow(), 33);  // 65 - round(32.5): ties go to the even neighbour
  scope.SetBaseLineUnit(luAbsolute);
  scope.SetBaseLine(20);
  EXPECT_EQ(scope.BaseRow(), 45);
}

TEST(SimScope, ClockFollowsActiveAndInterval) {
  TSimScope scope;
  RecordingHost host;
  scope.SetHost(&host);
  scope.SetActive(true);
  scope.SetActive(true);  // unchanged: nothing
  scope.SetInterval(10);
  scope.SetInterval(10);
  scope.SetActive(false);
  scope.SetInterval(25);
  using C = RecordingHost::Clock;
  const std::vector<C> expected = {{true, 500},  {false, 500}, {true, 100},
                                   {false, 100}, {false, 100}, {false, 250}};
  EXPECT_EQ(host.clock, expected);
  EXPECT_FALSE(scope.ClockEnabled());
  EXPECT_EQ(scope.ClockPeriodMs(), 250);
}

TEST(SimScope, SettersRedrawAndRepaintOnlyWithAParent) {
  TSimScope scope;
  RecordingHost host;
  host.parent = false;
  scope.SetHost(&host);
  Prepare(scope, 89, 65);
  const TRaster before = scope.Buffer();
  scope.SetBaseLine(80);
  EXPECT_EQ(scope.Buffer(), before);
  EXPECT_EQ(host.repaints, 0);
  host.parent = true;
  scope.SetBaseLine(80);
  EXPECT_EQ(host.repaints, 1);
  EXPECT_EQ(scope.Buffer().Pixel(0, 13), scope.BaseColor());
  scope.SetUpdateTimeSteps(4);  // no redraw for this one
  scope.SetColor(0x404040);     // shows from the next drawing only
  EXPECT_EQ(host.repaints, 1);
  EXPECT_EQ(scope.Buffer().Pixel(1, 1), kBlack);
  scope.SetBounds(0, 0, 30, 25);
  EXPECT_EQ(host.bounds, std::make_pair(30, 25));
  EXPECT_EQ(scope.Buffer().Pixel(1, 1), 0x404040u);
}

TEST(SimScope, AdvanceRecordsThePositionAndNotifies) {
  TSimScope scope;
  RecordingHost host;
  scope.SetHost(&host);
  Prepare(scope, 89, 65);
  std::vector<TSimScope*> senders;
  scope.OnUpdate = [&](TSimScope& sender) { senders.push_back(&sender); };
  TScopeLine& line = scope.Lines().Items(0);
  line.SetPosition(42);
  scope.Advance();
  EXPECT_EQ(line.Values().Count(), 4);
  EXPECT_EQ(line.Values().Item(2), 42);
  EXPECT_EQ(line.Values().Item(3), 42);
  EXPECT_EQ(senders, std::vector<TSimScope*>{&scope});
  EXPECT_EQ(host.repaints, 1);
}

// The history is a ring: after 10,000 steps the scope draws exactly what a scope that only ever
// saw the last 46 values draws (46 steps of 2 fill the 89 + 2 x 2 values a line keeps without
// wrapping). With a grid every 5 columns a scrolled grid line comes every second step, so both
// runs end in the same grid phase.
TEST(SimScope, BoundedHistoryDrawsLikeAFreshOneFedTheSameLastValues) {
  TSimScope longRun, fresh;
  for (TSimScope* scope : {&longRun, &fresh}) {
    scope->SetGridSize(5);
    Prepare(*scope, 89, 65);
  }
  constexpr int kSteps = 10000, kLast = 46;
  for (int step = 0; step < kSteps; ++step) {
    longRun.Lines().Items(0).SetPosition(Wave(step));
    longRun.Advance();
  }
  for (int step = kSteps - kLast; step < kSteps; ++step) {
    fresh.Lines().Items(0).SetPosition(Wave(step));
    fresh.Advance();
  }
  const TScopeLineValues& values = longRun.Lines().Items(0).Values();
  EXPECT_LE(values.Count(), 89 + 2 * 2 + 1);
  EXPECT_LE(values.Capacity(), 128);
  // The fresh scope kept every value it saw; the long run kept the newest ones, in order, and
  // dropped whole steps only (its sampling of every second value stays in step).
  EXPECT_EQ(fresh.Lines().Items(0).Values().ZeroIndex(), 0);
  EXPECT_EQ(values.Count(), fresh.Lines().Items(0).Values().Count());
  EXPECT_EQ((2 + 2 * kSteps - values.Count()) % 2, 0);
  for (int i = 0; i < values.Count(); ++i)
    ASSERT_EQ(values.Item(i), Wave(kSteps - 1 - (values.Count() - 1 - i) / 2)) << i;
  EXPECT_TRUE(longRun.Buffer() == fresh.Buffer()) << "scrolled pictures differ";
  longRun.RedrawAll();
  fresh.RedrawAll();
  EXPECT_TRUE(longRun.Buffer() == fresh.Buffer()) << "redrawn pictures differ";
}

TEST(SimScope, ExtremeSettingsStillDrawPromptly) {
  TSimScope scope;
  Prepare(scope, 89, 65);
  scope.SetBaseLine(INT_MAX);  // far above the top: the whole field is below the base line
  scope.RedrawAll();
  EXPECT_EQ(scope.Buffer().Pixel(0, 1), kGreen);  // grid every 16 rows from far away
  scope.SetDisplayUnits(duLogical);
  scope.SetMaximum(INT_MAX);
  scope.SetMinimum(INT_MIN);
  scope.SetTotalTimeSteps(INT_MAX);
  scope.SetGridSize(1);  // well below a pixel both ways: every row and column is grid
  scope.SetBaseLine(0);
  scope.RedrawAll();
  for (int y : {0, 20, 64})
    for (int x : {0, 44, 88}) EXPECT_EQ(scope.Buffer().Pixel(x, y), kGreen) << x << "," << y;
  scope.Lines().Items(0).SetPosition(INT_MAX);
  scope.Advance();
  scope.RedrawAll();
}
