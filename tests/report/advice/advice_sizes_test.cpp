#include <gtest/gtest.h>

#include <limits>

#include "report/advice/advice_rules.h"

namespace {
constexpr uint64_t kMiB = uint64_t{1} << 20;
constexpr uint64_t kGiB = uint64_t{1} << 30;

TEST(AdviceSizes, PerFreeSlotIsTheLargestStandardModuleThatFits) {
  struct Case {
    uint64_t room;
    uint64_t freeSlots;
    bool ddr5;
    std::optional<uint64_t> perSlot;
  };
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  const Case cases[] = {
      {64 * kGiB, 2, false, 32 * kGiB},       {96 * kGiB, 2, false, 32 * kGiB},
      {60 * kGiB, 2, false, 16 * kGiB},       // 30 GiB a slot: 16 is the largest standard size
      {96 * kGiB, 2, true, 48 * kGiB},        {100 * kGiB, 4, true, 24 * kGiB},  // DDR5 sizes
      {400 * kGiB, 2, true, 192 * kGiB},
      {4 * 1024 * kGiB, 2, false, 512 * kGiB},  // never above the largest module
      {kMax, 1, true, 512 * kGiB},            {kMax, kMax, false, 0},
      {128 * kMiB, 1, false, 128 * kMiB},     {128 * kMiB - 1, 1, false, 0},
      {0, 3, false, 0},                       {64 * kGiB, 0, false, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PerFreeSlotBytes(c.room, c.freeSlots, c.ddr5), c.perSlot)
        << c.room << " bytes over " << c.freeSlots << (c.ddr5 ? " DDR5 slots" : " slots");
  }
}
}  // namespace
