#include "report/format/report_insight_texts.h"

#include "report/report_facts.h"

namespace {

const char* const kUnknown = "unknown";

// "a", "a and b", "a, b and c".
std::string Enumerate(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

std::string List(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

std::string Count(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// A kit rated above the default speed runs at the default until its profile is turned on.
std::string KitRow(const SpeedInsight& s) {
  return "runs at " + SpeedText(*s.configuredMTs) + "; the kit is rated " + SpeedText(*s.kitRatedMTs) +
         " through its XMP/EXPO profile: turn the profile on in the firmware setup (BIOS/UEFI)";
}

std::string SpeedRow(const SpeedInsight& s, size_t moduleCount) {
  if (s.belowKitRated) return KitRow(s);
  const char* rated = moduleCount == 1 ? "the module is rated " : "the modules are rated ";
  if (!s.configuredMTs) {
    return s.ratedMTs ? std::string("running speed unknown; ") + rated + SpeedText(*s.ratedMTs)
                      : kUnknown;
  }
  std::string text = "runs at " + SpeedText(*s.configuredMTs);
  if (!s.ratedMTs) return text + "; the rated speed is unknown";
  if (s.belowRated) {
    return text + "; " + rated + SpeedText(*s.ratedMTs) +
           " (a firmware setting or the platform's limit)";
  }
  if (*s.configuredMTs > *s.ratedMTs) return text + ", faster than the rated " + SpeedText(*s.ratedMTs);
  return text + ", the rated speed";
}

std::string ChannelsRow(const ReportInsights& in, size_t moduleCount) {
  if (!in.channels) return moduleCount == 0 ? kUnknown : "unknown (the slot names do not say)";
  std::vector<std::string> names;
  for (const auto& [name, modules] : *in.channels) names.push_back(name);
  if (names.size() == 1 && moduleCount > 1 && !in.emptyChannels.empty()) {
    std::string lead = moduleCount == 2 ? std::string("both modules")
                                        : "all " + std::to_string(moduleCount) + " modules";
    std::string other = "channel " + in.emptyChannels.front();
    return lead + " on channel " + names.front() + ": " +
           (moduleCount == 2 ? "one on " + other : "spreading them over " + other) +
           " would double the bandwidth";
  }
  return Count(moduleCount, "module", "modules") + " on " +
         Count(names.size(), "channel", "channels") + " (" + List(names) + ")";
}

std::string ModulesRow(const std::vector<std::string>& differ, size_t moduleCount) {
  if (moduleCount == 0) return "none installed";
  if (moduleCount == 1) return "one module, nothing to compare";
  if (differ.empty()) return "alike in capacity, type, speed, manufacturer and part number";
  std::vector<std::string> words;
  for (const std::string& field : differ) words.push_back(field == "partNumber" ? "part number" : field);
  return "differ in " + Enumerate(words);
}

// The system's use of ECC, and what the modules could do.
std::string EccRow(std::optional<bool> ecc, std::optional<bool> moduleEcc) {
  if (ecc == false && moduleEcc == true) {
    return "no: the modules are ECC modules, but the system does not use ECC";
  }
  if (!ecc) {
    if (moduleEcc) return *moduleEcc ? "unknown; the modules are ECC modules" : "unknown; the modules have no ECC";
    return kUnknown;
  }
  return *ecc ? "yes" : "no";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> InsightRows(const ReportInsights& in,
                                                             size_t moduleCount) {
  return {{"Speed", SpeedRow(in.speed, moduleCount)},
          {"Channels", ChannelsRow(in, moduleCount)},
          {"Modules", ModulesRow(in.differ, moduleCount)},
          {"ECC", EccRow(in.ecc, in.moduleEcc)}};
}
