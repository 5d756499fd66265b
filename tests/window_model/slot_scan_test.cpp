// The slot scan on fixture machines: labels, panel flags, list rows and the log, in order.
#include "window_model/slot_scan.h"

#include <gtest/gtest.h>

#include "inventory/memory_record.h"
#include "inventory/wmi/wmi_test_support.h"

namespace {

struct ScanResult {
  SlotScanState state;
  std::vector<std::string> log;
};

ScanResult ScanWith(const std::shared_ptr<WmiProvider>& provider) {
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  ScanResult result;
  result.state = ComputeSlotScan(arrays, modules,
                                 [&](const std::string& line) { result.log.push_back(line); });
  return result;
}

ScanResult ScanFixture(const std::string& name) { return ScanWith(ProviderFromDataFile(name)); }

struct PanelFlags {
  bool enabled, list, emptySlot, spec, specEnabled;
  bool operator==(const PanelFlags&) const = default;
};

PanelFlags Flags(const SlotPanelState& p) {
  return {p.groupEnabled, p.listVisible, p.emptySlotButtonVisible, p.specButtonVisible,
          p.specButtonEnabled};
}

void PrintTo(const PanelFlags& f, std::ostream* os) {
  *os << "{enabled " << f.enabled << ", list " << f.list << ", emptySlot " << f.emptySlot
      << ", spec " << f.spec << ", specEnabled " << f.specEnabled << "}";
}

constexpr PanelFlags kFilled{true, true, false, true, true};
constexpr PanelFlags kEmptySlot{true, false, true, false, false};
constexpr PanelFlags kNoSlot{false, false, false, false, false};
constexpr PanelFlags kFilledNoSlot{false, true, false, true, true};

std::string Value(const SlotPanelState& panel, size_t row) { return panel.rows.at(row).second; }

TEST(SlotScan, FourSlotsTwoModules) {
  const ScanResult r = ScanFixture("wmi_4dev_2mod.json");
  const SlotScanState& s = r.state;
  EXPECT_EQ(s.slotsLabel, "Number of slots : 4");
  EXPECT_EQ(s.maxmemLabel, "Maximum memory : 32 GB");
  EXPECT_EQ(s.curmemLabel, "Current memory : 12 GB");
  EXPECT_TRUE(s.maxmemVisible);
  EXPECT_FALSE(s.narrowWindow);
  EXPECT_EQ(s.deviceCount, 4);
  EXPECT_EQ(s.panels[0].rows, (SlotRows{{"Slot Name", "DIMM1"},
                                        {"Capacity", "4 GB"},
                                        {"Manufacturer", "Kingston"},
                                        {"Model", "9905471-002.A00LF"},
                                        {"Type", "DDR3 / PC3-10664"},
                                        {"Serial#", "1A2B3C4D"}}));
  EXPECT_EQ(Value(s.panels[1], 2), "Samsung");
  EXPECT_EQ(Value(s.panels[1], 4), "DDR3 / PC3-12800");
  EXPECT_EQ(Flags(s.panels[0]), kFilled);
  EXPECT_EQ(Flags(s.panels[1]), kFilled);
  EXPECT_EQ(Flags(s.panels[2]), kEmptySlot);
  EXPECT_EQ(Flags(s.panels[3]), kEmptySlot);
  EXPECT_TRUE(s.panels[2].rows.empty());
  EXPECT_EQ(r.log, (std::vector<std::string>{
                       "Scanning slot #0",          "0\tSlot Name\tDIMM1",
                       "0\tCapacity\t4 GB",         "0\tManufacturer\tKingston(Kingston)",
                       "0\tModel\t9905471-002.A00LF", "0\tType\t24",
                       "0\tSpeed\t1333",            "0\tType\tDDR3 / PC3-10664",
                       "0\tSerial#\t1A2B3C4D",      "Scanning slot #1",
                       "1\tSlot Name\tDIMM2",       "1\tCapacity\t8 GB",
                       "1\tManufacturer\tSamsung(80CE000080CE)",
                       "1\tModel\tM378B1G73EB0-CK0", "1\tType\t24",
                       "1\tSpeed\t1600",            "1\tType\tDDR3 / PC3-12800",
                       "1\tSerial#\t0F3E5D7C"}));
}

TEST(SlotScan, EightSlotsFiveModules) {
  const ScanResult r = ScanFixture("wmi_8dev_5mod.json");
  const SlotScanState& s = r.state;
  EXPECT_EQ(s.slotsLabel, "Number of slots : 8");
  EXPECT_EQ(s.curmemLabel, "Current memory : 10 GB");
  for (const SlotPanelState& panel : s.panels) EXPECT_EQ(Flags(panel), kFilled);
  EXPECT_EQ(Value(s.panels[3], 0), "DIMM4");
  EXPECT_EQ(Value(s.panels[3], 2), "Hynix (Hyundai)");
  // The fifth module counts and is reported, but has no panel and no log lines.
  ASSERT_EQ(s.modules.size(), 5u);
  EXPECT_EQ(s.modules[4].index, 4);
  EXPECT_EQ(s.modules[4].rows.at(0).second, "DIMM5");
  EXPECT_EQ(r.log.size(), 4u * 9);
  EXPECT_EQ(r.log.back(), "3\tSerial#\tSN0003");
}

// The report scans without a log: the same panels and modules, no line made.
TEST(SlotScan, WithoutALogTheScanComputesTheSame) {
  const auto provider = ProviderFromDataFile("wmi_8dev_5mod.json");
  const SlotScanState logged = ScanWith(provider).state;
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  const SlotScanState quiet = ComputeSlotScan(arrays, modules, SlotScanLog{});
  EXPECT_EQ(quiet.curmemLabel, logged.curmemLabel);
  for (int i = 0; i < kSlotPanelCount; ++i) EXPECT_EQ(quiet.panels[i].rows, logged.panels[i].rows);
  ASSERT_EQ(quiet.modules.size(), logged.modules.size());
  for (size_t i = 0; i < quiet.modules.size(); ++i) {
    EXPECT_EQ(quiet.modules[i].rows, logged.modules[i].rows);
    EXPECT_EQ(quiet.modules[i].capacity, logged.modules[i].capacity);
  }
}

TEST(SlotScan, TwoSlotsNarrowTheWindowAndFillHiddenPanels) {
  const SlotScanState s = ScanFixture("wmi_2dev_4mod.json").state;
  EXPECT_TRUE(s.narrowWindow);
  EXPECT_EQ(s.deviceCount, 2);
  EXPECT_EQ(Flags(s.panels[0]), kFilled);
  EXPECT_EQ(Flags(s.panels[1]), kFilled);
  // Modules 3 and 4 fill their lists in disabled panels, out of sight.
  EXPECT_EQ(Flags(s.panels[2]), kFilledNoSlot);
  EXPECT_EQ(Flags(s.panels[3]), kFilledNoSlot);
  EXPECT_EQ(Value(s.panels[3], 0), "ChannelB-DIMM1");
  EXPECT_EQ(Value(s.panels[3], 2), "Hynix (Hyundai)");
}

TEST(SlotScan, FailedArrayQuery) {
  const ScanResult r = ScanFixture("wmi_no_array_class.json");
  const SlotScanState& s = r.state;
  EXPECT_FALSE(s.arraysRead);
  EXPECT_EQ(s.slotsLabel, "Number of slots : 0");
  EXPECT_EQ(s.maxmemLabel, "Maximum memory : 0 GB");
  EXPECT_EQ(s.deviceCount, 0);
  EXPECT_TRUE(s.narrowWindow);
  EXPECT_EQ(Flags(s.panels[0]), kFilledNoSlot);
  for (int n = 1; n < kSlotPanelCount; ++n) EXPECT_EQ(Flags(s.panels[n]), kNoSlot);
  EXPECT_EQ(s.curmemLabel, "Current memory : 2 GB");
  EXPECT_FALSE(s.maxmemVisible);  // 2 GB installed, maximum 0
  EXPECT_EQ(Value(s.panels[0], 4), "DDR2 / PC2-6400");
  EXPECT_EQ(r.log.size(), 9u);
}

TEST(SlotScan, FailedModuleQuery) {
  const ScanResult r = ScanFixture("wmi_no_module_class.json");
  const SlotScanState& s = r.state;
  EXPECT_FALSE(s.modulesRead);
  EXPECT_TRUE(s.arraysRead);
  for (const SlotPanelState& panel : s.panels) EXPECT_EQ(Flags(panel), kEmptySlot);
  EXPECT_EQ(s.curmemLabel, "Current memory : 0 GB");
  EXPECT_TRUE(s.maxmemVisible);
  EXPECT_TRUE(s.modules.empty());
  EXPECT_TRUE(r.log.empty());
}

TEST(SlotScan, HalfGigabyteModuleShowsZero) {
  const SlotScanState s = ScanFixture("wmi_512mb.json").state;
  EXPECT_EQ(Value(s.panels[1], 1), "0 GB");
  EXPECT_EQ(s.curmemLabel, "Current memory : 1 GB");
  EXPECT_EQ(s.totalBytes, 1610612736);
  EXPECT_EQ(s.modules[1].capacity, 536870912);
}

TEST(SlotScan, MoreInstalledThanTheMaximumHidesIt) {
  const SlotScanState s = ScanFixture("wmi_over_max.json").state;
  EXPECT_EQ(s.maxmemLabel, "Maximum memory : 4 GB");
  EXPECT_EQ(s.curmemLabel, "Current memory : 8 GB");
  EXPECT_FALSE(s.maxmemVisible);
}

TEST(SlotScan, UnknownAndMissingMakers) {
  const ScanResult r = ScanFixture("wmi_na_maker.json");
  const SlotScanState& s = r.state;
  // A placeholder maker shows N/A for model and serial; the log keeps the raw texts.
  EXPECT_EQ(Value(s.panels[0], 2), "N/A");
  EXPECT_EQ(Value(s.panels[0], 3), "N/A");
  EXPECT_EQ(Value(s.panels[0], 5), "N/A");
  EXPECT_EQ(Flags(s.panels[0]), (PanelFlags{true, true, false, true, false}));
  EXPECT_EQ(r.log[3], "0\tManufacturer\tN/A(Manufacturer00)");
  EXPECT_EQ(r.log[4], "0\tModel\tModulePartNumber00");
  EXPECT_EQ(r.log[8], "0\tSerial#\tSerNum00");
  // Empty texts show as empty values and leave the button disabled.
  EXPECT_EQ(Value(s.panels[1], 2), "");
  EXPECT_EQ(Value(s.panels[1], 3), "");
  EXPECT_EQ(Flags(s.panels[1]), (PanelFlags{true, true, false, true, false}));
  EXPECT_EQ(Value(s.panels[2], 3), "   ");  // a blank model counts as none
  EXPECT_EQ(Flags(s.panels[2]), (PanelFlags{true, true, false, true, false}));
  EXPECT_EQ(Flags(s.panels[3]), kEmptySlot);
}

TEST(SlotScan, ExtendedMaximumOfLargeServers) {
  const SlotScanState s = ScanFixture("wmi_6tb_server.json").state;
  // MaxCapacity would say 2048 GB; MaxCapacityEx holds the real 6 TB.
  EXPECT_EQ(s.maxmemLabel, "Maximum memory : 6144 GB");
  EXPECT_EQ(s.slotsLabel, "Number of slots : 24");
  EXPECT_EQ(s.curmemLabel, "Current memory : 256 GB");
  EXPECT_EQ(Value(s.panels[0], 4), "DDR4 / PC4-23464");  // WMI code 0, SMBIOS type 26
  // The typed records of the same modules keep what the source gave, null included.
  const auto records = [](const char* file) {
    return ReadModuleRecords(TWin32_PhysicalMemory(true, ProviderFromDataFile(file)));
  };
  const std::vector<ModuleRecord> server = records("wmi_6tb_server.json");
  const auto& raw = server[0].raw;
  ASSERT_EQ(raw.size(), kModuleRawProperties.size());
  EXPECT_EQ(kModuleRawProperties[7].name, std::string("SMBIOSMemoryType"));
  EXPECT_EQ(raw[7], PropertyValue(26));
  EXPECT_EQ(raw[9], PropertyValue(2933));  // ConfiguredClockSpeed
  EXPECT_EQ(server[0].configuredMTs, 2933u);
  EXPECT_TRUE(records("wmi_4dev_2mod.json")[0].raw[9].IsNull());
  EXPECT_FALSE(records("wmi_4dev_2mod.json")[0].configuredMTs);
}

TEST(SlotScan, TwoArraysAddUpAndTheLastGivesTheDeviceCount) {
  const SlotScanState s = ScanFixture("wmi_two_arrays.json").state;
  EXPECT_EQ(s.slotsLabel, "Number of slots : 6");
  EXPECT_EQ(s.maxmemLabel, "Maximum memory : 24 GB");
  EXPECT_EQ(s.deviceCount, 2);
  EXPECT_TRUE(s.narrowWindow);
  EXPECT_EQ(Flags(s.panels[1]), kEmptySlot);
  EXPECT_EQ(Flags(s.panels[2]), kNoSlot);
}

// A fixture with an instance that cannot be converted: the scan stops there.
ScanResult ScanUntilError(const std::string& name) {
  auto provider = ProviderFromDataFile(name);
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  ScanResult r;
  EXPECT_THROW(ComputeSlotScan(arrays, modules,
                               [&](const std::string& line) { r.log.push_back(line); }, r.state),
               ConversionError);
  return r;
}

TEST(SlotScan, ConversionErrorMidScanKeepsWhatWasDone) {
  const ScanResult r = ScanUntilError("wmi_bad_second_module.json");
  ASSERT_EQ(r.log.size(), 9u);
  EXPECT_EQ(r.log.front(), "Scanning slot #0");
  EXPECT_TRUE(r.state.arrayPassDone);
  EXPECT_EQ(r.state.slotsLabel, "Number of slots : 4");
  EXPECT_EQ(Value(r.state.panels[0], 0), "DIMM0");
  EXPECT_TRUE(r.state.panels[1].rows.empty());
  EXPECT_FALSE(r.state.finished);
  EXPECT_EQ(r.state.curmemLabel, "");  // never reached
  EXPECT_TRUE(ScanFixture("wmi_4dev_2mod.json").state.finished);

  // An array that cannot be read stops the scan before any label or panel.
  const ScanResult a = ScanUntilError("wmi_bad_second_array.json");
  EXPECT_TRUE(a.log.empty());
  EXPECT_FALSE(a.state.arrayPassDone);
  EXPECT_TRUE(a.state.panels[0].rows.empty());
  EXPECT_FALSE(a.state.finished);
}

TEST(SlotScan, HugeCapacitiesDoNotOverflowTheTotal) {
  const SlotScanState s = ScanWith(ProviderFromJson(R"({"Win32_PhysicalMemoryArray": [],
    "Win32_PhysicalMemory": [{"Capacity": "9223372036854775807"},
                             {"Capacity": "9223372036854775807"}]})")).state;
  EXPECT_EQ(s.totalBytes, INT64_MAX);
  EXPECT_EQ(s.curmemLabel, "Current memory : 8589934591 GB");
}

// Firmware text cannot start a log line or a column of its own.
TEST(SlotScan, LoggedValuesHaveTheirControlBytesEscaped) {
  const ScanResult r = ScanWith(ProviderFromJson(R"({"Win32_PhysicalMemoryArray": [],
    "Win32_PhysicalMemory": [{"DeviceLocator": "A\r\nError\t[24-05-17 10:31:05]\tforged",
                              "SerialNumber": "\u001b[2J"}]})"));
  ASSERT_EQ(r.log.size(), 9u);
  EXPECT_EQ(r.log[1], "0\tSlot Name\tA\\x0D\\x0AError\\x09[24-05-17 10:31:05]\\x09forged");
  EXPECT_EQ(r.log[8], "0\tSerial#\t\\x1B[2J");
}

TEST(CanGetSpecification, NeedsAKnownMakerAndAModel) {
  auto rows = [](std::string maker, std::string model) {
    return SlotRows{{"Slot Name", "DIMM0"}, {"Capacity", "1 GB"}, {"Manufacturer", maker},
                    {"Model", model}, {"Type", "DDR3"}, {"Serial#", "1"}};
  };
  EXPECT_TRUE(CanGetSpecification(rows("Kingston", "KVR1333")));
  EXPECT_FALSE(CanGetSpecification(rows("N/A", "KVR1333")));
  EXPECT_TRUE(CanGetSpecification(rows("n/a", "KVR1333")));  // only the exact text counts
  EXPECT_FALSE(CanGetSpecification(rows(" \t", "KVR1333")));
  EXPECT_FALSE(CanGetSpecification(rows("Kingston", "\r\n ")));
  EXPECT_FALSE(CanGetSpecification(SlotRows{{"Slot Name", "DIMM0"}}));
}

}  // namespace
