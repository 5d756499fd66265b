// The same machine read from WMI and from its SMBIOS tables gives the same insights; on Windows
// the firmware tables fill what WMI leaves out.
#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "inventory/smbios/smbios_dump_writer.h"
#include "inventory/wmi/json_fixture_provider.h"
#include "report/report_firmware_facts.h"
#include "report/report_test_util.h"

namespace {

using json = nlohmann::ordered_json;

json InsightsOf(const ReportDocument& report) {
  EXPECT_TRUE(report.readable) << report.human;
  return json::parse(report.json)["insights"];
}

// The DDR5 desktop of report_desktop_ddr5.json as its firmware describes it.
Bytes Ddr5DesktopTables() {
  DumpArray a;
  a.devices = 4;
  a.maxCapacityKb = 128u << 20;
  std::vector<Bytes> s = {EncodeArray(a)};
  const char* locators[] = {"DIMMA1", "DIMMA2", "DIMMB1", "DIMMB2"};
  for (uint16_t i = 0; i < 4; ++i) {
    DumpDevice d;
    d.handle = static_cast<uint16_t>(0x1100 + i);
    d.locator = locators[i];
    d.bank = "BANK " + std::to_string(i / 2);
    d.memoryType = 0x22;
    d.length = 0x5C;
    if (i % 2) {
      d.size = i == 1 ? 16384 : 0x7FFF;  // 32 GB through the extended size
      d.extendedSize = 32768;
      d.speed = 5600;
      d.configuredSpeed = 4800;
      d.manufacturer = "Kingston";
      d.partNumber = i == 1 ? "KF556C40-16" : "KF556C40-32";
      d.configuredVoltage = 1100;
    }
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s);
}

std::string SaveTemporary(const std::string& name, const Bytes& bytes) {
  std::string path = (std::filesystem::temp_directory_path() / name).string();
  SaveBytes(path, bytes);
  return path;
}

TEST(ReportSources, WmiAndSmbiosAgreeOnTheSameMachine) {
  json ddr4Wmi = InsightsOf(ReportOf("--fixture", TestDataPath("report_desktop_ddr4.json")));
  json ddr4Smbios = InsightsOf(ReportOf("--smbios", TestDataPath("smbios_desktop_ddr4.bin")));
  EXPECT_EQ(ddr4Wmi, ddr4Smbios);
  EXPECT_EQ(ddr4Wmi["speed"]["belowRated"], true);
  EXPECT_EQ(ddr4Wmi["channels"], json::parse(R"({"A": [0], "B": [1]})"));

  std::string dump = SaveTemporary("report_sources_ddr5.bin", Ddr5DesktopTables());
  json ddr5Smbios = InsightsOf(ReportOf("--smbios", dump));
  std::filesystem::remove(dump);
  json ddr5Wmi = InsightsOf(ReportOf("--fixture", TestDataPath("report_desktop_ddr5.json")));
  EXPECT_EQ(ddr5Wmi, ddr5Smbios);
  EXPECT_EQ(ddr5Wmi["speed"], json::parse(R"({"ratedMTs": 5600, "configuredMTs": 4800, "belowRated": true,
                                                  "kitRatedMTs": 5600, "belowKitRated": true})"));
  EXPECT_EQ(ddr5Wmi["differ"], json::parse(R"(["capacity", "partNumber"])"));
  EXPECT_EQ(ddr5Wmi["ecc"], false);
}

// A WMI of few properties and no arrays, as Wine's: the firmware's tables of the same machine
// add the configured speed, the arrays and the empty slots; what WMI says stays.
TEST(ReportSources, FirmwareFillsWhatWmiLeavesOut) {
  WmiClassTable wmi = ParseWmiFixture(R"({
    "Win32_PhysicalMemory": [
      {"DeviceLocator": "DIMMA2", "Capacity": "17179869184", "Manufacturer": "KHX",
       "Speed": 5600, "ConfiguredClockSpeed": null},
      {"DeviceLocator": "DIMMB2", "Capacity": "34359738368", "Manufacturer": "KHX", "Speed": 5600,
       "ConfiguredClockSpeed": null}
    ]})");
  SmbiosMemoryInventory firmware = MapSmbiosMemory(ReadSmbiosDump(Ddr5DesktopTables()));
  ReportDocument report = MakeReportDocument(CombineWmiAndFirmware(wmi, firmware));
  json j = json::parse(report.json);
  EXPECT_EQ(j["source"], "wmi");
  EXPECT_EQ(j["slots"], 4);
  EXPECT_EQ(j["emptySlots"], json::parse(R"(["DIMMA1", "DIMMB1"])"));
  EXPECT_EQ(j["modules"][0]["raw"]["Manufacturer"], "KHX");
  EXPECT_EQ(j["modules"][1]["raw"]["ConfiguredClockSpeed"], 4800);
  EXPECT_EQ(j["modules"][1]["raw"]["PartNumber"], "KF556C40-32");
  EXPECT_EQ(j["insights"]["speed"]["configuredMTs"], 4800);
  EXPECT_EQ(j["insights"]["ecc"], false);

  // Tables of another machine (another slot name) add nothing to the modules.
  wmi.classes["Win32_PhysicalMemory"][1][0].second = PropertyValue(std::string("DIMM 3"));
  j = json::parse(MakeReportDocument(CombineWmiAndFirmware(wmi, firmware)).json);
  EXPECT_TRUE(j["modules"][1]["raw"]["ConfiguredClockSpeed"].is_null());
  EXPECT_TRUE(j["emptySlots"].is_null());
}

// Speeds past 65534 MT/s live in the extended fields of SMBIOS 3.3; WMI hands over the value.
TEST(ReportSources, ExtendedSpeedFieldsGiveTheSameSpeedInsight) {
  DumpDevice d;
  d.size = 16384;
  d.locator = "DIMMA1";
  d.memoryType = 0x22;
  d.speed = d.configuredSpeed = 0xFFFF;
  d.extendedSpeed = 70400;
  d.extendedConfiguredSpeed = 64000;
  d.length = 0x5C;
  std::string dump = SaveTemporary("report_sources_extended.bin", WriteDump({EncodeDevice(d)}));
  json smbios = InsightsOf(ReportOf("--smbios", dump));
  std::filesystem::remove(dump);
  std::string fixture = SaveTemporary("report_sources_extended.json", [] {
    std::string text = R"({"Win32_PhysicalMemoryArray": [], "Win32_PhysicalMemory": [
      {"DeviceLocator": "DIMMA1", "Capacity": "17179869184", "SMBIOSMemoryType": 34,
       "Speed": 70400, "ConfiguredClockSpeed": 64000}]})";
    return Bytes(text.begin(), text.end());
  }());
  json wmi = InsightsOf(ReportOf("--fixture", fixture));
  std::filesystem::remove(fixture);
  EXPECT_EQ(smbios["speed"], json::parse(R"({"ratedMTs": 70400, "configuredMTs": 64000, "belowRated": true,
                                             "kitRatedMTs": null, "belowKitRated": false})"));
  EXPECT_EQ(wmi["speed"], smbios["speed"]);
  EXPECT_EQ(wmi["channels"], smbios["channels"]);
}

// Both modules in one channel while the tables name an empty slot of the other, by its bank.
TEST(ReportSources, AdviceFromTheEmptySlotsOfTheTables) {
  std::vector<Bytes> s;
  for (uint16_t i = 0; i < 4; ++i) {
    DumpDevice d;
    d.handle = static_cast<uint16_t>(0x1100 + i);
    d.locator = "DIMM " + std::to_string(i);
    d.bank = i < 2 ? "P0 CHANNEL A" : "P0 CHANNEL B";
    d.size = i < 2 ? 8192 : 0;
    s.push_back(EncodeDevice(d));
  }
  std::string dump = SaveTemporary("report_sources_one_channel.bin", WriteDump(s));
  ReportDocument report = ReportOf("--smbios", dump);
  std::filesystem::remove(dump);
  EXPECT_NE(report.human.find("  Channels       both modules on channel P0 A: one on channel P0 B would double\n"
                              "                 the bandwidth\n"),
            std::string::npos)
      << report.human;
  EXPECT_EQ(json::parse(report.json)["insights"]["channels"], json::parse(R"({"P0 A": [0, 1]})"));
}

// ECC comes from the arrays of system memory: a flash array without correction does not count,
// an array that does not say what it holds does.
TEST(ReportSources, EccFromTheArraysOfSystemMemory) {
  auto ecc = [](const std::string& arrays) {
    std::string text = R"({"Win32_PhysicalMemoryArray": [)" + arrays + R"(], "Win32_PhysicalMemory": [
      {"DeviceLocator": "DIMM 1", "Capacity": "8589934592"}]})";
    std::string fixture = SaveTemporary("report_sources_ecc.json", Bytes(text.begin(), text.end()));
    json insights = InsightsOf(ReportOf("--fixture", fixture));
    std::filesystem::remove(fixture);
    return insights["ecc"];
  };
  EXPECT_EQ(ecc(R"({"Use": 3, "MemoryErrorCorrection": 3}, {"Use": 5, "MemoryErrorCorrection": 2})"), false);
  EXPECT_EQ(ecc(R"({"Use": 3, "MemoryErrorCorrection": 3}, {"Use": 5, "MemoryErrorCorrection": 6})"), false);
  EXPECT_EQ(ecc(R"({"Use": 3, "MemoryErrorCorrection": 3}, {"Use": null, "MemoryErrorCorrection": 5})"), true);
  EXPECT_EQ(ecc(R"({"Use": 3, "MemoryErrorCorrection": null})"), nullptr);
}

TEST(ReportSources, MemoryClassesAreCopiedWhole) {
  WmiClassTable fixture = ParseWmiFixture(ReadTestData("report_desktop_ddr5.json"));
  WmiClassTable copy = ReadMemoryClasses(MakeInMemoryProvider(fixture));
  EXPECT_EQ(copy.classes, fixture.classes);
  fixture.classes.erase("Win32_PhysicalMemoryArray");  // a class whose query fails stays out
  copy = ReadMemoryClasses(MakeInMemoryProvider(fixture));
  EXPECT_EQ(copy.classes.count("Win32_PhysicalMemoryArray"), 0u);
  EXPECT_EQ(copy.classes.size(), fixture.classes.size());
}

}  // namespace
