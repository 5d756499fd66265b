// The insight rules on hand-made modules: speed, channels, differences, ECC.
#include <gtest/gtest.h>

#include "report/report_channels.h"
#include "report/format/report_insight_texts.h"
#include "report/report_insights.h"
#include "report/report_model.h"

namespace {

using Channels = std::map<std::string, std::vector<int>>;

ModuleReport Module(std::optional<uint32_t> rated, std::optional<uint32_t> configured) {
  ModuleReport m;
  m.record.sizeBytes = uint64_t{16} << 30;
  m.record.smbiosMemoryType = 0x1A;  // DDR4
  m.record.ratedMTs = rated;
  m.record.configuredMTs = configured;
  m.record.manufacturer = "Kingston";
  m.record.partNumber = "M378A2K43EB1-CWE";  // a scheme that states no speed
  return m;
}

ModuleReport InSlot(const std::string& locator, const std::string& bank = "") {
  ModuleReport m = Module(3200, 3200);
  m.record.locator = locator;
  m.record.bankLabel = bank;
  return m;
}

// The facts of each module from its record, as the report makes them.
MemoryReport Machine(std::vector<ModuleReport> modules) {
  MemoryReport r;
  r.modules = std::move(modules);
  for (ModuleReport& m : r.modules) m.advice = AdviseModule(m.record);
  return r;
}

std::string Row(const ReportInsights& in, size_t modules, const std::string& label) {
  for (const auto& [l, text] : InsightRows(in, modules)) {
    if (l == label) return text;
  }
  return "(no row " + label + ")";
}

TEST(ReportInsightsSpeed, SlowestRatedAgainstSlowestConfigured) {
  struct Case {
    const char* what;
    std::vector<ModuleReport> modules;
    std::optional<int64_t> rated, configured;
    bool below;
    const char* row;
  };
  const Case cases[] = {
      {"equal", {Module(3200, 3200), Module(3200, 3200)}, 3200, 3200, false,
       "runs at 3200 MT/s, the rated speed"},
      {"rounding apart", {Module(2667, 2666)}, 2667, 2666, false, "runs at 2666 MT/s, the rated speed"},
      {"exactly 3% apart", {Module(3200, 3104)}, 3200, 3104, false,
       "runs at 3104 MT/s, the rated speed"},
      {"just over 3% apart", {Module(3200, 3103)}, 3200, 3103, true,
       "runs at 3103 MT/s; the module is rated 3200 MT/s (a firmware setting or the platform's "
       "limit)"},
      {"firmware setting", {Module(2667, 2400), Module(3200, 2400)}, 2667, 2400, true,
       "runs at 2400 MT/s; the modules are rated 2667 MT/s (a firmware setting or the "
       "platform's limit)"},
      {"only rated known", {Module(3200, std::nullopt), Module(2933, std::nullopt)}, 2933,
       std::nullopt, false,
       "running speed unknown; the modules are rated 2933 MT/s"},
      {"only configured known", {Module(std::nullopt, 2133)}, std::nullopt, 2133, false,
       "runs at 2133 MT/s; the rated speed is unknown"},
      {"configured above rated", {Module(2133, 3200)}, 2133, 3200, false,
       "runs at 3200 MT/s, faster than the rated 2133 MT/s"},
      {"nothing known", {Module(std::nullopt, std::nullopt)}, std::nullopt, std::nullopt, false,
       "unknown"},
      {"no modules", {}, std::nullopt, std::nullopt, false, "unknown"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportInsights in = ComputeInsights(Machine(c.modules));
    EXPECT_EQ(in.speed.ratedMTs, c.rated);
    EXPECT_EQ(in.speed.configuredMTs, c.configured);
    EXPECT_EQ(in.speed.belowRated, c.below);
    EXPECT_EQ(Row(in, c.modules.size(), "Speed"), c.row);
  }
  // A kit rated above its default speed: the profile is off while it runs below the part
  // numbers' lowest rating; a module whose part number states nothing leaves it unknown.
  ModuleReport kit = Module(2133, 2133), fast = kit, plain = kit;
  kit.record.partNumber = "F4-3600C16D-16GTZN";
  fast.record.partNumber = "F4-4000C18D-16GTZR";
  ReportInsights in = ComputeInsights(Machine({kit, fast}));
  EXPECT_EQ(in.speed.kitRatedMTs, 3600);
  EXPECT_TRUE(in.speed.belowKitRated);
  EXPECT_EQ(Row(in, 2, "Speed"),
            "runs at 2133 MT/s; the kit is rated 3600 MT/s through its XMP/EXPO profile: turn the "
            "profile on in the firmware setup (BIOS/UEFI)");
  EXPECT_EQ(ComputeInsights(Machine({kit, plain})).speed.kitRatedMTs, std::nullopt);
  kit.record.configuredMTs = 3600;
  EXPECT_FALSE(ComputeInsights(Machine({kit})).speed.belowKitRated);
}

TEST(ReportInsightsChannels, NamesInSlotTexts) {
  struct Case {
    const char* text;
    std::optional<std::string> channel;
  };
  const Case cases[] = {
      {"ChannelA-DIMM0", "A"},
      {"P0 CHANNEL B", "P0 B"},
      {"Channel_C", "C"},
      {"channel-h", "H"},
      {"Controller0-ChannelA-DIMM0", "Controller0 A"},
      {"Controller1-ChannelA-DIMM1", "Controller1 A"},
      {"DIMM_A1", "A"},
      {"DIMM B2", "B"},
      {"P1-DIMMC1", "P1 C"},
      {"CPU2_DIMM_D1", "CPU2 D"},
      {"PROC 1 DIMM E1", "PROC 1 E"},
      {"NODE 0 CHANNEL F", "NODE 0 F"},
      // No channel: a letter past H, a letter followed by another, no digit after the DIMM
      // letter, bare slot names, the word inside another word.
      {"ChannelJ", std::nullopt},
      {"Channel AB", std::nullopt},
      {"CPU0_DIMM_A", std::nullopt},
      {"DIMM 1", std::nullopt},
      {"A1", std::nullopt},
      {"D11", std::nullopt},
      {"SubchannelA", std::nullopt},
      {"BANK 0", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ChannelInText(c.text), c.channel) << c.text;
  // The bank label speaks when the slot name does not.
  EXPECT_EQ(SlotChannel("DIMM 1", "P0 CHANNEL A"), "P0 A");
  EXPECT_EQ(SlotChannel("ChannelB-DIMM0", "BANK 0"), "B");
  EXPECT_EQ(SlotChannel("A1", "BANK 0"), std::nullopt);
}

TEST(ReportInsightsChannels, EveryModuleMustNameItsChannel) {
  ReportInsights two = ComputeInsights(Machine(
      {InSlot("ChannelA-DIMM0"), InSlot("ChannelB-DIMM0"), InSlot("ChannelA-DIMM1"),
       InSlot("ChannelB-DIMM1")}));
  EXPECT_EQ(two.channels, (Channels{{"A", {0, 2}}, {"B", {1, 3}}}));
  EXPECT_EQ(Row(two, 4, "Channels"), "4 modules on 2 channels (A, B)");

  ReportInsights controllers = ComputeInsights(
      Machine({InSlot("Controller0-ChannelA-DIMM0"), InSlot("Controller1-ChannelA-DIMM0")}));
  EXPECT_EQ(controllers.channels, (Channels{{"Controller0 A", {0}}, {"Controller1 A", {1}}}));

  ReportInsights bank = ComputeInsights(Machine({InSlot("DIMM 1", "P0 CHANNEL A")}));
  EXPECT_EQ(bank.channels, (Channels{{"P0 A", {0}}}));
  EXPECT_EQ(Row(bank, 1, "Channels"), "1 module on 1 channel (P0 A)");

  // One bare name among them: no guess for any.
  ReportInsights bare = ComputeInsights(Machine({InSlot("DIMM_A1"), InSlot("B1")}));
  EXPECT_EQ(bare.channels, std::nullopt);
  EXPECT_EQ(Row(bare, 2, "Channels"), "unknown (the slot names do not say)");
  EXPECT_EQ(ComputeInsights(Machine({})).channels, std::nullopt);
}

TEST(ReportInsightsChannels, BothModulesOnOneChannelWithAnotherOneFree) {
  MemoryReport r = Machine({InSlot("DIMM_A1"), InSlot("DIMM_A2")});
  r.emptySlots = std::vector<std::string>{"DIMM_B1", "DIMM_B2"};
  ReportInsights in = ComputeInsights(r);
  EXPECT_EQ(in.channels, (Channels{{"A", {0, 1}}}));
  EXPECT_EQ(in.emptyChannels, std::vector<std::string>{"B"});
  EXPECT_EQ(Row(in, 2, "Channels"),
            "both modules on channel A: one on channel B would double the bandwidth");
  // A free slot of the same channel, or none named: nothing to advise.
  r.emptySlots = std::vector<std::string>{"DIMM_A3"};
  EXPECT_EQ(Row(ComputeInsights(r), 2, "Channels"), "2 modules on 1 channel (A)");
  // The bank label of an empty slot names its channel too; another controller's slot does not
  // help these two.
  r.emptySlots = std::vector<std::string>{"DIMM 3", "DIMM 4"};
  r.emptySlotBanks = {"CHANNEL B", "CHANNEL C"};
  EXPECT_EQ(ComputeInsights(r).emptyChannels, (std::vector<std::string>{"B", "C"}));
}

TEST(ReportInsightsDiffer, EachFieldInItsPlace) {
  ModuleReport base = Module(3200, 3200);
  auto differ = [&](auto change) {
    ModuleReport other = base;
    change(other);
    return ComputeInsights(Machine({base, other})).differ;
  };
  using Fields = std::vector<std::string>;
  EXPECT_EQ(differ([](ModuleReport&) {}), Fields{});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.sizeBytes = uint64_t{8} << 30; }), Fields{"capacity"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.sizeBytes.reset(); }), Fields{"capacity"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.smbiosMemoryType = 0x22; }), Fields{"type"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.ratedMTs = 2666; }), Fields{"speed"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.configuredMTs = 2666; }), Fields{});  // not rated
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.manufacturer = "Samsung"; }), Fields{"manufacturer"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.manufacturer += "   "; }), Fields{});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.partNumber = "M378A1K43EB2-CWE"; }), Fields{"partNumber"});
  EXPECT_EQ(differ([](ModuleReport& m) { m.record.partNumber += "    "; }), Fields{});
  ReportInsights all = ComputeInsights(Machine({base, [] {
    ModuleReport m = Module(2666, 2666);
    m.record.sizeBytes = uint64_t{8} << 30;
    m.record.smbiosMemoryType = 0x18;
    m.record.manufacturer = "Samsung";
    m.record.partNumber = "M378";
    return m;
  }()}));
  EXPECT_EQ(all.differ, (Fields{"capacity", "type", "speed", "manufacturer", "partNumber"}));
  EXPECT_EQ(Row(all, 2, "Modules"),
            "differ in capacity, type, speed, manufacturer and part number");
  ReportInsights two = ComputeInsights(Machine({base, [&] {
    ModuleReport m = base;
    m.record.sizeBytes = uint64_t{8} << 30;
    m.record.partNumber = "M378A1K43EB2-CWE";
    return m;
  }()}));
  EXPECT_EQ(Row(two, 2, "Modules"), "differ in capacity and part number");
  EXPECT_EQ(Row(ComputeInsights(Machine({base, base})), 2, "Modules"),
            "alike in capacity, type, speed, manufacturer and part number");
  EXPECT_EQ(ComputeInsights(Machine({base})).differ, Fields{});
  EXPECT_EQ(Row(ComputeInsights(Machine({base})), 1, "Modules"), "one module, nothing to compare");
}

TEST(ReportInsightsEcc, FourOutcomes) {
  auto ecc = [](std::vector<std::optional<int64_t>> codes) {
    MemoryReport r = Machine({Module(3200, 3200)});
    for (std::optional<int64_t> code : codes) {
      ArrayRecord a;
      if (code) a.errorCorrection = static_cast<uint32_t>(*code);
      r.arrays.push_back(a);
    }
    ReportInsights in = ComputeInsights(r);
    return std::make_pair(in.ecc, Row(in, 1, "ECC"));
  };
  using Outcome = std::pair<std::optional<bool>, std::string>;
  // Any array with parity, single-bit, multi-bit or CRC: yes.
  for (int64_t code : {4, 5, 6, 7}) EXPECT_EQ(ecc({3, code}), Outcome(true, "yes")) << code;
  // Every array without: no.
  EXPECT_EQ(ecc({3, 3}), Outcome(false, "no"));
  // Unknown, other, a null code or no array at all: unknown.
  EXPECT_EQ(ecc({3, 2}), Outcome(std::nullopt, "unknown"));
  EXPECT_EQ(ecc({1}), Outcome(std::nullopt, "unknown"));
  EXPECT_EQ(ecc({std::nullopt}), Outcome(std::nullopt, "unknown"));
  EXPECT_EQ(ecc({}), Outcome(std::nullopt, "unknown"));
}

}  // namespace
