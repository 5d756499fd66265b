#include "report/report_insights.h"

#include <algorithm>

#include "report/report_channels.h"
#include "report/report_model.h"

namespace {

// A configured speed this many percent under the rating or less is rounding, not a slow-down.
constexpr int64_t kSpeedTolerancePercent = 3;

// Win32_PhysicalMemoryArray.MemoryErrorCorrection (the SMBIOS type 16 codes).
constexpr int64_t kCorrectionNone = 3;
constexpr int64_t kCorrectionFirstKind = 4;  // parity
constexpr int64_t kCorrectionLastKind = 7;   // CRC

std::optional<int64_t> Lowest(const std::vector<ModuleReport>& modules,
                              std::optional<int64_t> ModuleReport::*field) {
  std::optional<int64_t> lowest;
  for (const ModuleReport& m : modules) {
    const std::optional<int64_t>& v = m.*field;
    if (v && (!lowest || *v < *lowest)) lowest = v;
  }
  return lowest;
}

SpeedInsight Speed(const std::vector<ModuleReport>& modules) {
  SpeedInsight s;
  s.ratedMTs = Lowest(modules, &ModuleReport::speed);
  s.configuredMTs = Lowest(modules, &ModuleReport::configuredSpeed);
  s.belowRated = s.ratedMTs && s.configuredMTs && RunsBelowRating(*s.configuredMTs, *s.ratedMTs);
  return s;
}

std::optional<std::map<std::string, std::vector<int>>> Channels(
    const std::vector<ModuleReport>& modules) {
  if (modules.empty()) return std::nullopt;
  std::map<std::string, std::vector<int>> channels;
  for (size_t i = 0; i < modules.size(); ++i) {
    std::optional<std::string> name = SlotChannel(modules[i].locator, modules[i].bankLabel);
    if (!name) return std::nullopt;
    channels[*name].push_back(static_cast<int>(i));
  }
  return channels;
}

std::vector<std::string> EmptyChannels(const MemoryReport& r,
                                       const std::map<std::string, std::vector<int>>& used) {
  std::vector<std::string> names;
  if (!r.emptySlots) return names;
  for (size_t i = 0; i < r.emptySlots->size(); ++i) {
    std::string bank = i < r.emptySlotBanks.size() ? r.emptySlotBanks[i] : "";
    std::optional<std::string> name = SlotChannel((*r.emptySlots)[i], bank);
    if (name && !used.count(*name) && std::find(names.begin(), names.end(), *name) == names.end()) {
      names.push_back(*name);
    }
  }
  return names;
}

std::string TrimEnd(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

template <typename Get>
bool Differ(const std::vector<ModuleReport>& modules, Get get) {
  return std::any_of(modules.begin(), modules.end(),
                     [&](const ModuleReport& m) { return get(m) != get(modules.front()); });
}

std::vector<std::string> Differences(const std::vector<ModuleReport>& modules) {
  std::vector<std::string> differ;
  if (modules.size() < 2) return differ;
  if (Differ(modules, [](const ModuleReport& m) { return m.capacityBytes; })) differ.push_back("capacity");
  if (Differ(modules, [](const ModuleReport& m) { return m.typeName; })) differ.push_back("type");
  if (Differ(modules, [](const ModuleReport& m) { return m.speed; })) differ.push_back("speed");
  if (Differ(modules, [](const ModuleReport& m) { return TrimEnd(m.manufacturer); })) {
    differ.push_back("manufacturer");
  }
  if (Differ(modules, [](const ModuleReport& m) { return TrimEnd(m.partNumber); })) {
    differ.push_back("partNumber");
  }
  return differ;
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
  return configuredMTs * 100 < ratedMTs * (100 - kSpeedTolerancePercent);
}

ReportInsights ComputeInsights(const MemoryReport& r) {
  ReportInsights insights;
  insights.speed = Speed(r.modules);
  insights.channels = Channels(r.modules);
  if (insights.channels) insights.emptyChannels = EmptyChannels(r, *insights.channels);
  insights.differ = Differences(r.modules);
  insights.ecc = Ecc(r.arrayCorrections);
  return insights;
}
