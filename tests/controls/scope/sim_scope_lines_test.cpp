#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/scope/sim_scope.h"

TEST(ScopeLineValues, ClearLeavesTwoZerosAndAddingGrowsBy128) {
  TScopeLineValues values;
  EXPECT_EQ(values.Item(0), 0);  // nothing stored yet: reads as 0
  values.Clear();
  EXPECT_EQ(values.Count(), 2);
  EXPECT_EQ(values.Capacity(), 128);
  for (int v = 1; v <= 127; ++v) values.Add(v);
  EXPECT_EQ(values.Count(), 129);
  EXPECT_EQ(values.Capacity(), 256);
  EXPECT_EQ(values.Item(0), 0);
  EXPECT_EQ(values.Item(2), 1);
  EXPECT_EQ(values.Item(128), 127);
  EXPECT_EQ(values.Item(129), 0);  // modulo the count
  EXPECT_EQ(values.Item(131), 1);
}

TEST(ScopeLineValues, NegativeIndexesReadTheOldestItem) {
  TScopeLineValues values;
  values.SetLimit(3);
  for (int v : {7, 8, 9, 10}) values.Add(v);  // a ring: 8, 9, 10 with a moved zero index
  ASSERT_EQ(values.ZeroIndex(), 1);
  EXPECT_EQ(values.Item(0), 8);
  EXPECT_EQ(values.Item(-3), 8);  // a multiple of the count
  EXPECT_EQ(values.Item(-1), 8);  // not a multiple: item 0 as well
  EXPECT_EQ(values.Item(-5), 8);
  EXPECT_EQ(values.Item(2), 10);
}

TEST(ScopeLineValues, RingKeepsTheNewestValuesInOrder) {
  TScopeLineValues values;
  values.SetLimit(5);
  for (int v = 1; v <= 23; ++v) values.Add(v);
  EXPECT_EQ(values.Count(), 5);
  EXPECT_EQ(values.Capacity(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(values.Item(i), 19 + i);
  values.SetLimit(8);  // room again: grows in order after the newest
  values.Add(24);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(values.Item(i), 19 + i);
  EXPECT_EQ(values.ZeroIndex(), 0);
  values.SetLimit(2);  // lowering drops the oldest
  EXPECT_EQ(values.Count(), 2);
  EXPECT_EQ(values.Item(0), 23);
  EXPECT_EQ(values.Item(1), 24);
}

TEST(ScopeLineValues, CapacityChangesOnlyTheArrayLength) {
  TScopeLineValues values;
  values.SetCapacity(10);
  EXPECT_EQ(values.Capacity(), 10);
  EXPECT_EQ(values.Count(), 0);
  for (int v = 1; v <= 4; ++v) values.Add(v);
  EXPECT_EQ(values.Capacity(), 10);
  values.SetCapacity(3);  // below the count: the newest value goes
  EXPECT_EQ(values.Count(), 3);
  EXPECT_EQ(values.Item(2), 3);
}

TEST(ScopeLineValues, CopyTakesEverythingButTheLimitAndRefusesAMissingSource) {
  TScopeLineValues source, target;
  source.SetLimit(4);
  for (int v = 1; v <= 6; ++v) source.Add(v);
  target.SetLimit(3);
  target.Assign(&source);
  EXPECT_EQ(target.Count(), 4);
  EXPECT_EQ(target.ZeroIndex(), source.ZeroIndex());
  EXPECT_EQ(target.Capacity(), source.Capacity());
  EXPECT_EQ(target.Limit(), 3);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(target.Item(i), source.Item(i));
  target.Add(7);  // over its own limit it keeps ringing: oldest out
  EXPECT_EQ(target.Item(0), 4);
  EXPECT_EQ(target.Item(3), 7);
  try {
    target.Assign(nullptr);
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "TScopeLineValues.Assign:Source not assigned");
  }
}

TEST(ScopeLine, DefaultsAndCopy) {
  TScopeLine line;
  EXPECT_EQ(line.Color(), 0x00FF00u);
  EXPECT_EQ(line.Position(), 50);
  EXPECT_EQ(line.PositionUnit(), luPercent);
  EXPECT_EQ(line.DisplayName(), "TScopeLine");
  TScopeLine source;
  source.SetName("load");
  source.SetColor(0x123456);
  source.SetPosition(-7);
  source.SetPositionUnit(luAbsolute);
  source.Clear();
  source.Values().Add(42);
  line.Assign(source);
  EXPECT_EQ(line.DisplayName(), "load");
  EXPECT_EQ(line.Color(), 0x123456u);
  EXPECT_EQ(line.Position(), -7);
  EXPECT_EQ(line.PositionUnit(), luAbsolute);
  EXPECT_EQ(line.Values().Count(), 3);
  EXPECT_EQ(line.Values().Item(2), 42);
}

TEST(ScopeLines, JoiningSetsTheCapacityAndCopyReplacesTheLines) {
  TSimScope scope;
  scope.SetWidth(89);
  TScopeLine& first = scope.Lines().Add();
  EXPECT_EQ(first.Values().Capacity(), 89);
  EXPECT_EQ(first.Values().Count(), 0);
  scope.Lines().Add().SetColor(0x0000FF);
  scope.Lines().ClearValues();
  EXPECT_EQ(scope.Lines().Items(1).Values().Count(), 2);
  EXPECT_THROW(scope.Lines().Items(2), std::out_of_range);
  EXPECT_THROW(scope.Lines().Items(-1), std::out_of_range);

  TSimScope other;
  other.Lines().Add();
  other.SetLines(scope.Lines());
  ASSERT_EQ(other.Lines().Count(), 2);
  EXPECT_EQ(other.Lines().Items(1).Color(), 0x0000FFu);
  EXPECT_EQ(other.Lines().Items(1).Values().Count(), 2);
  other.SetLines(other.Lines());  // copying onto itself keeps the lines
  EXPECT_EQ(other.Lines().Count(), 2);
}
