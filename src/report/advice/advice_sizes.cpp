#include "report/advice/advice_rules.h"

std::optional<uint64_t> PerFreeSlotBytes(uint64_t, uint64_t freeSlots, bool) {
  if (freeSlots == 0) return std::nullopt;
  return 0;
}
