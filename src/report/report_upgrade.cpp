// The upgrade summary: what room is left and what a new module should be to match.
#include <algorithm>
#include <limits>

#include "report/report_model.h"

namespace {

constexpr int64_t kGigabyte = int64_t{1} << 30;

// The distinct non-empty values of the modules, in first-seen order, joined by "/".
template <typename Get>
std::string Common(const std::vector<ModuleReport>& modules, Get get) {
  std::vector<std::string> seen;
  for (const ModuleReport& m : modules) {
    const std::string& v = get(m);
    if (!v.empty() && std::find(seen.begin(), seen.end(), v) == seen.end()) seen.push_back(v);
  }
  std::string joined;
  for (const std::string& v : seen) joined += (joined.empty() ? "" : "/") + v;
  return joined;
}

uint64_t FreeSlots(const MemoryReport& r) {
  if (r.emptySlots) return r.emptySlots->size();
  return r.slots > r.modules.size() ? r.slots - r.modules.size() : 0;
}

// Maximum minus installed, when the maximum is known and believable.
std::optional<int64_t> Addable(const MemoryReport& r) {
  if (r.maximumGB == 0) return std::nullopt;
  if (r.maximumGB > static_cast<uint64_t>(std::numeric_limits<int64_t>::max() / kGigabyte)) {
    return std::nullopt;
  }
  int64_t maximum = static_cast<int64_t>(r.maximumGB) * kGigabyte;
  if (maximum < r.installedBytes) return std::nullopt;  // the firmware's maximum is wrong
  return maximum - r.installedBytes;
}

}  // namespace

UpgradeSummary ComputeUpgrade(const MemoryReport& r) {
  UpgradeSummary u;
  u.soldered = !r.modules.empty() && std::all_of(r.modules.begin(), r.modules.end(),
                                                 [](const ModuleReport& m) { return m.soldered; });
  u.freeSlots = FreeSlots(r);
  u.addableBytes = Addable(r);
  if (u.addableBytes && u.freeSlots > 0) {
    u.perFreeSlotBytes = *u.addableBytes / static_cast<int64_t>(u.freeSlots);
  }
  u.type = Common(r.modules, [](const ModuleReport& m) -> const std::string& { return m.typeName; });
  u.formFactor =
      Common(r.modules, [](const ModuleReport& m) -> const std::string& { return m.formFactor; });
  for (const ModuleReport& m : r.modules) {
    if (m.speed && (!u.speed || *m.speed > *u.speed)) u.speed = m.speed;
  }
  return u;
}
