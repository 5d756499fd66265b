#include "report/report_insights.h"

#include <algorithm>
#include <unordered_set>

#include "report/report_channels.h"
#include "report/report_model.h"

namespace {

// A configured speed this many percent under the rating or less is rounding, not a slow-down.
constexpr int64_t kSpeedTolerancePercent = 3;

// Win32_PhysicalMemoryArray.MemoryErrorCorrection (the SMBIOS type 16 codes).
constexpr int64_t kCorrectionNone = 3;
constexpr int64_t kCorrectionFirstKind = 4;  // parity
constexpr int64_t kCorrectionLastKind = 7;   // CRC

template <typename Get>
std::optional<int64_t> Lowest(const std::vector<ModuleReport>& modules, Get get) {
  std::optional<int64_t> lowest;
  for (const ModuleReport& m : modules) {
    std::optional<uint32_t> v = get(m);
    if (v && (!lowest || *v < *lowest)) lowest = *v;
  }
  return lowest;
}

// The lowest kit rating when every module's part number states one.
std::optional<int64_t> KitRating(const std::vector<ModuleReport>& modules) {
  if (modules.empty()) return std::nullopt;
  std::optional<int64_t> lowest;
  for (const ModuleReport& m : modules) {
    if (!m.advice.kitRatedMTs) return std::nullopt;
    if (!lowest || *m.advice.kitRatedMTs < *lowest) lowest = *m.advice.kitRatedMTs;
  }
  return lowest;
}

SpeedInsight Speed(const std::vector<ModuleReport>& modules) {
  SpeedInsight s;
  s.ratedMTs = Lowest(modules, [](const ModuleReport& m) { return m.record.ratedMTs; });
  s.configuredMTs = Lowest(modules, [](const ModuleReport& m) { return m.record.configuredMTs; });
  s.belowRated = s.ratedMTs && s.configuredMTs && RunsBelowRating(*s.configuredMTs, *s.ratedMTs);
  s.kitRatedMTs = KitRating(modules);
  s.belowKitRated = s.kitRatedMTs && s.configuredMTs && RunsBelowRating(*s.configuredMTs, *s.kitRatedMTs);
  return s;
}

std::optional<std::map<std::string, std::vector<int>>> Channels(
    const std::vector<ModuleReport>& modules) {
  if (modules.empty()) return std::nullopt;
  std::map<std::string, std::vector<int>> channels;
  for (size_t i = 0; i < modules.size(); ++i) {
    std::optional<std::string> name = SlotChannel(modules[i].record.locator, modules[i].record.bankLabel);
    if (!name) return std::nullopt;
    channels[*name].push_back(static_cast<int>(i));
  }
  return channels;
}

// A set of names seen, so each empty channel is listed once without a search per slot.
std::vector<std::string> EmptyChannels(const MemoryReport& r,
                                       const std::map<std::string, std::vector<int>>& used) {
  std::vector<std::string> names;
  if (!r.emptySlots) return names;
  std::unordered_set<std::string> seen;
  for (size_t i = 0; i < r.emptySlots->size(); ++i) {
    std::string bank = i < r.emptySlotBanks.size() ? r.emptySlotBanks[i] : "";
    std::optional<std::string> name = SlotChannel((*r.emptySlots)[i], bank);
    if (name && !used.count(*name) && seen.insert(*name).second) names.push_back(*name);
  }
  return names;
}

template <typename Get>
bool Differ(const std::vector<ModuleReport>& modules, Get get) {
  return std::any_of(modules.begin(), modules.end(),
                     [&](const ModuleReport& m) { return get(m) != get(modules.front()); });
}

// Compared as the report names them: decoded makers, cleaned part numbers.
std::vector<std::string> Differences(const std::vector<ModuleReport>& modules) {
  std::vector<std::string> differ;
  if (modules.size() < 2) return differ;
  if (Differ(modules, [](const ModuleReport& m) { return m.record.sizeBytes; })) differ.push_back("capacity");
  if (Differ(modules, [](const ModuleReport& m) { return m.advice.generation; })) differ.push_back("type");
  if (Differ(modules, [](const ModuleReport& m) { return m.record.ratedMTs; })) differ.push_back("speed");
  if (Differ(modules, [](const ModuleReport& m) { return m.advice.maker; })) differ.push_back("manufacturer");
  if (Differ(modules, [](const ModuleReport& m) { return m.advice.partNumber; })) differ.push_back("partNumber");
  return differ;
}

std::vector<std::optional<int64_t>> Corrections(const std::vector<ArrayRecord>& arrays) {
  std::vector<std::optional<int64_t>> codes;
  for (const ArrayRecord& a : arrays) {
    codes.push_back(a.errorCorrection ? std::optional<int64_t>(*a.errorCorrection) : std::nullopt);
  }
  return codes;
}

std::optional<bool> Ecc(const std::vector<std::optional<int64_t>>& corrections) {
  if (corrections.empty()) return std::nullopt;
  bool allNone = true;
  for (const std::optional<int64_t>& code : corrections) {
    if (code && *code >= kCorrectionFirstKind && *code <= kCorrectionLastKind) return true;
    allNone = allNone && code == kCorrectionNone;
  }
  return allNone ? std::optional<bool>(false) : std::nullopt;
}

}  // namespace

bool RunsBelowRating(int64_t configuredMTs, int64_t ratedMTs) {
  // In 128 bits, so a speed of any size compares without overflow.
  return static_cast<__int128>(configuredMTs) * 100 <
         static_cast<__int128>(ratedMTs) * (100 - kSpeedTolerancePercent);
}

ReportInsights ComputeInsights(const MemoryReport& r) {
  ReportInsights insights;
  insights.speed = Speed(r.modules);
  insights.channels = Channels(r.modules);
  if (insights.channels) insights.emptyChannels = EmptyChannels(r, *insights.channels);
  insights.differ = Differences(r.modules);
  insights.ecc = Ecc(Corrections(r.arrays));
  insights.moduleEcc = r.upgrade.ecc;
  return insights;
}
