#include "report/advice/advice_rules.h"

namespace {
constexpr uint64_t kGiB = uint64_t{1} << 30;
constexpr uint64_t kSmallestModule = uint64_t{128} << 20;  // 128 MiB
constexpr uint64_t kLargestModule = 512 * kGiB;
// DDR5 added modules built from 24 Gbit chips.
constexpr uint64_t kDdr5OddSizes[] = {24 * kGiB, 48 * kGiB, 96 * kGiB, 192 * kGiB};
}  // namespace

std::optional<uint64_t> PerFreeSlotBytes(uint64_t roomBytes, uint64_t freeSlots, bool ddr5) {
  if (freeSlots == 0) return std::nullopt;
  const uint64_t perSlot = roomBytes / freeSlots;
  uint64_t best = 0;
  for (uint64_t size = kSmallestModule; size <= kLargestModule && size <= perSlot; size *= 2)
    best = size;
  if (ddr5) {
    for (uint64_t size : kDdr5OddSizes) {
      if (size <= perSlot && size > best) best = size;
    }
  }
  return best;
}
