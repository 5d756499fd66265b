#include <gtest/gtest.h>

#include "report/advice/advice_rules.h"

TEST(AdviceTexts, SkeletonLinks) { EXPECT_EQ(PerFreeSlotBytes(1, 0, false), std::nullopt); }
