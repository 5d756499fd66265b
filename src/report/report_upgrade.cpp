// The upgrade advice: what a new module must be to match, and how much room is left.
#include <algorithm>
#include <limits>

#include "report/advice/advice_rules.h"
#include "report/report_model.h"

namespace {

using Modules = std::vector<const ModuleReport*>;

// The value every module shares; none when one lacks it or two differ.
template <typename T, typename Get>
std::optional<T> Shared(const Modules& modules, Get get) {
  std::optional<T> shared;
  for (const ModuleReport* m : modules) {
    const std::optional<T>& v = get(*m);
    if (!v || (shared && *shared != *v)) return std::nullopt;
    shared = v;
  }
  return shared;
}

// Load-reduced if any is, else registered if any is, else unbuffered if all say so.
std::optional<std::string> Buffering(const Modules& modules) {
  const auto any = [&](const char* kind) {
    return std::any_of(modules.begin(), modules.end(),
                       [&](const ModuleReport* m) { return m->advice.buffering == kind; });
  };
  if (any("load-reduced")) return "load-reduced";
  if (any("registered")) return "registered";
  const bool allUnbuffered = !modules.empty() && std::all_of(modules.begin(), modules.end(), [](const ModuleReport* m) {
    return m->advice.buffering == "unbuffered";
  });
  return allUnbuffered ? std::optional<std::string>("unbuffered") : std::nullopt;
}

// True when every module has ECC widths, false when none has, unknown otherwise.
std::optional<bool> ModuleEcc(const Modules& modules) {
  if (modules.empty()) return std::nullopt;
  bool all = true, none = true;
  for (const ModuleReport* m : modules) {
    all = all && m->advice.ecc == true;
    none = none && m->advice.ecc == false;
  }
  return all ? std::optional<bool>(true) : none ? std::optional<bool>(false) : std::nullopt;
}

// The arrays' maximum, believed only when it holds what is installed and no more than 64 TiB.
std::optional<uint64_t> Maximum(const std::vector<ArrayRecord>& arrays, uint64_t installed) {
  std::optional<uint64_t> sum;
  for (const ArrayRecord& a : arrays) {
    if (!a.maximumBytes) continue;
    sum = sum.value_or(0) + *a.maximumBytes;  // each is at most 64 TiB: no overflow
    if (*sum > kMaxArrayBytes) return std::nullopt;
  }
  if (!sum || *sum == 0 || *sum < installed) return std::nullopt;
  return sum;
}

// SMBIOS names the empty slots; WMI lists no empty slot, so its slots less the modules.
std::optional<uint64_t> FreeSlots(const MemoryReport& r) {
  if (r.emptySlots) return r.emptySlots->size();
  if (!r.slots) return std::nullopt;
  return *r.slots > r.modules.size() ? *r.slots - r.modules.size() : 0;
}

uint64_t SaturatingMultiply(uint64_t a, uint64_t b) {
  if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a) return std::numeric_limits<uint64_t>::max();
  return a * b;
}

}  // namespace

UpgradeSummary ComputeUpgrade(const MemoryReport& r) {
  UpgradeSummary u;
  Modules dram;
  for (const ModuleReport& m : r.modules) {
    if (!m.advice.persistent) dram.push_back(&m);
  }
  u.isVirtual = IsVirtualMachine(r.system.manufacturer.value_or(""), r.system.product.value_or(""));
  u.soldered = !dram.empty() && std::all_of(dram.begin(), dram.end(),
                                            [](const ModuleReport* m) { return m->soldered; });
  u.installedBytes = r.installedBytes;
  u.maximumBytes = Maximum(r.arrays, r.installedBytes);
  u.freeSlots = FreeSlots(r);
  u.ecc = ModuleEcc(dram);
  for (const ModuleReport* m : dram) {
    if (m->record.ratedMTs && (!u.speed || *m->record.ratedMTs > *u.speed)) u.speed = m->record.ratedMTs;
  }
  if (u.isVirtual) return u;  // the host sets the memory: no module to buy
  u.type = Shared<std::string>(dram, [](const ModuleReport& m) { return m.advice.generation; });
  for (const ModuleReport* m : dram) {
    const auto& g = m->advice.generation;
    u.typesDiffer = u.typesDiffer || (g && dram.front()->advice.generation && *g != *dram.front()->advice.generation);
  }
  u.buffering = Buffering(dram);
  u.formFactor = Shared<std::string>(dram, [](const ModuleReport& m) { return m.advice.formFactor; });
  u.standardName = StandardName(u.type, u.speed);
  if (u.maximumBytes && u.freeSlots && *u.freeSlots > 0) {
    u.perFreeSlotBytes = PerFreeSlotBytes(*u.maximumBytes - r.installedBytes, *u.freeSlots, u.type == "DDR5");
    if (u.perFreeSlotBytes) u.addableBytes = SaturatingMultiply(*u.perFreeSlotBytes, *u.freeSlots);
  }
  return u;
}
