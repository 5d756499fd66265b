// Whole outputs of the report for fixture machines and SMBIOS dumps, and the JSON read back.
#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "inventory/smbios/smbios_dump_writer.h"
#include "report/report_test_util.h"

namespace {

using json = nlohmann::ordered_json;  // keeps the members in output order

struct Machine {
  const char* name;
  const char* option;
  const char* file;
};

const Machine kMachines[] = {
    {"desktop_win10", "--fixture", "report_desktop_win10.json"},
    {"server_five", "--fixture", "report_server_five.json"},
    {"laptop_soldered", "--fixture", "report_laptop_soldered.json"},
    {"desktop_ddr4", "--fixture", "report_desktop_ddr4.json"},
    {"desktop_ddr5", "--fixture", "report_desktop_ddr5.json"},
    {"wine", "--fixture", "report_wine.json"},
    {"smbios_desktop_ddr4", "--smbios", "smbios_desktop_ddr4.bin"},
    {"smbios_server_ddr5", "--smbios", "smbios_server_ddr5.bin"},
    {"smbios_laptop_lpddr5", "--smbios", "smbios_laptop_lpddr5.bin"},
    {"smbios_old_ddr2", "--smbios", "smbios_old_ddr2.bin"},
    {"desktop_xmp", "--fixture", "report_desktop_xmp.json"},
    {"vm_hyperv", "--fixture", "report_vm_hyperv.json"},
    {"smbios_server_rdimm", "--smbios", "smbios_server_rdimm.bin"},
    {"smbios_server_lrdimm", "--smbios", "smbios_server_lrdimm.bin"},
    {"smbios_vm_qemu", "--smbios", "smbios_vm_qemu.bin"},
};

class ReportOutput : public ::testing::TestWithParam<Machine> {};

TEST_P(ReportOutput, HumanTableMatchesWhole) {
  const Machine& m = GetParam();
  ReportDocument report = ReportOf(m.option, TestDataPath(m.file));
  EXPECT_TRUE(report.readable);
  EXPECT_EQ(report.human, ReadTestData(std::string("report_") + m.name + ".expected.txt"));
}

TEST_P(ReportOutput, HumanTableFitsEightyColumns) {
  const Machine& m = GetParam();
  std::istringstream lines(ReportOf(m.option, TestDataPath(m.file)).human);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

TEST_P(ReportOutput, JsonMatchesWhole) {
  const Machine& m = GetParam();
  EXPECT_EQ(ReportOf(m.option, TestDataPath(m.file)).json,
            ReadTestData(std::string("report_") + m.name + ".expected.json"));
}

// Read back, the numbers agree with each other and with the texts the window shows.
TEST_P(ReportOutput, JsonReadBackIsConsistent) {
  const Machine& m = GetParam();
  json j = json::parse(ReportOf(m.option, TestDataPath(m.file)).json);
  EXPECT_EQ(j["source"], std::string(m.option) == "--smbios" ? "smbios" : "fixture");
  // Without an array record the window says 0 slots; the report says it does not know.
  EXPECT_EQ(j["labels"]["slots"],
            "Number of slots : " + std::to_string(j["slots"].is_null() ? 0 : j["slots"].get<int>()));
  if (!j["maximumMemoryGB"].is_null()) {
    EXPECT_EQ(j["labels"]["maximumMemory"],
              "Maximum memory : " + std::to_string(j["maximumMemoryGB"].get<int64_t>()) + " GB");
  }
  EXPECT_EQ(j["currentMemoryGB"].get<int64_t>(), j["installedBytes"].get<int64_t>() >> 30);
  int64_t sum = 0;
  int index = 0;
  for (const json& module : j["modules"]) {
    EXPECT_EQ(module["index"], index++);
    std::vector<std::string> labels;
    for (const auto& [label, value] : module["panel"].items()) labels.push_back(label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Slot Name", "Capacity", "Manufacturer", "Model",
                                                "Type", "Serial#"}));
    EXPECT_EQ(module["raw"].size(), 11u);
    EXPECT_EQ(module["panel"]["Slot Name"], module["raw"]["DeviceLocator"]);
    int64_t capacity = module["raw"]["Capacity"].get<int64_t>();
    EXPECT_EQ(module["panel"]["Capacity"], std::to_string(capacity >> 30) + " GB");
    sum += capacity;
  }
  EXPECT_EQ(j["installedBytes"].get<int64_t>(), sum);
  if (j["emptySlots"].is_array()) {
    EXPECT_EQ(j["upgrade"]["freeSlots"], j["emptySlots"].size());
  }
}

INSTANTIATE_TEST_SUITE_P(Machines, ReportOutput, ::testing::ValuesIn(kMachines),
                         [](const auto& info) { return std::string(info.param.name); });

// A firmware writing Latin-1: valid UTF-8 comes out, each byte as the character of its code.
TEST(ReportJson, BytesThatAreNotUtf8BecomeLatin1Characters) {
  json j = json::parse(ReportOf("--smbios", TestDataPath("smbios_server_ddr5.bin")).json);
  EXPECT_EQ(j["modules"][0]["raw"]["BankLabel"], "Canal A \u00e9tage 0");
  EXPECT_EQ(j["modules"][0]["raw"]["Manufacturer"], "Samsung");
}

// Firmware strings with control characters: the table shows a mark for each, whatever its
// encoding; the JSON keeps the exact text with every control escaped.
TEST(ReportControls, MarkedInTheTableEscapedInJson) {
  DumpDevice d;
  d.size = 8192;
  d.locator = "DIMM\x1B[2J";
  d.manufacturer = "\x9B" "2J\x9D" "0;owned\x07";  // Latin-1 C1: CSI, OSC
  d.partNumber = "M378\xC2\x9B" "31m\x7F";       // UTF-8 C1 and DEL
  std::string path = (std::filesystem::temp_directory_path() / "report_controls.bin").string();
  SaveBytes(path, WriteDump({EncodeDevice(d)}));
  ReportDocument report = ReportOf("--smbios", path);
  std::filesystem::remove(path);
  EXPECT_NE(report.human.find("  Slot           DIMM?[2J\n"), std::string::npos) << report.human;
  EXPECT_NE(report.human.find("  Maker          ?2J?0;owned?\n"), std::string::npos);
  EXPECT_NE(report.human.find("  Part number    M378?31m?\n"), std::string::npos);
  for (char c : report.human) {
    auto b = static_cast<unsigned char>(c);
    EXPECT_TRUE(b == '\n' || (b >= 0x20 && b != 0x7F && b < 0x80)) << int(b);
  }
  EXPECT_NE(report.json.find("\"\\u009b2J\\u009d0;owned\\u0007\""), std::string::npos) << report.json;
  EXPECT_NE(report.json.find("\"M378\\u009b31m\\u007f\""), std::string::npos);
  EXPECT_EQ(report.json.find("\xC2\x9B"), std::string::npos);
  json j = json::parse(report.json);
  EXPECT_EQ(j["modules"][0]["raw"]["Manufacturer"], "\u009b2J\u009d0;owned\u0007");
  EXPECT_EQ(j["modules"][0]["raw"]["PartNumber"], "M378\u009b31m\u007f");
  EXPECT_EQ(j["modules"][0]["panel"]["Slot Name"], "DIMM\u001b[2J");
}

// SMBIOS leaves a module's size, speed and texts unknown: the raw members are null, the facts
// say unknown or are left out, and no array means no slot count.
TEST(ReportUnknowns, NullFieldsOfAnSmbiosModule) {
  DumpDevice d;
  d.size = 0xFFFF;
  d.locator = "SLOT 1";
  d.totalWidth = d.dataWidth = 0xFFFF;
  d.formFactor = 0x02;
  d.length = 0x15;  // nothing after the type detail
  std::string path = (std::filesystem::temp_directory_path() / "report_unknowns.bin").string();
  SaveBytes(path, WriteDump({EncodeDevice(d)}));
  ReportDocument report = ReportOf("--smbios", path);
  std::filesystem::remove(path);
  EXPECT_EQ(report.human,
            "Machine\n"
            "  System         unknown\n"
            "  Slots          unknown\n"
            "  Maximum        unknown\n"
            "  Installed      0 bytes\n\n"
            "Module 1\n"
            "  Slot           SLOT 1\n"
            "  Size           unknown\n"
            "  Type           DDR4\n"
            "  Maker          unknown\n"
            "  Part number    unknown\n"
            "  Serial number  unknown\n\n"
            "Insights\n"
            "  Speed          unknown\n"
            "  Channels       unknown (the slot names do not say)\n"
            "  Modules        one module, nothing to compare\n"
            "  ECC            unknown\n\n"
            "Empty slots\n  none\n\n"
            "Upgrade\n"
            "  Buy            DDR4, no free slot: replace modules to grow\n"
            "  Free slots     0\n"
            "  Can be added   unknown (no believable maximum reported)\n");
  json j = json::parse(report.json);
  const json& raw = j["modules"][0]["raw"];
  for (const char* name : {"BankLabel", "Capacity", "Manufacturer", "PartNumber", "SerialNumber",
                           "Speed", "ConfiguredClockSpeed"}) {
    EXPECT_TRUE(raw[name].is_null()) << name;
  }
  EXPECT_EQ(raw["FormFactor"], 0);
  EXPECT_EQ(raw["SMBIOSMemoryType"], 0x1A);
  EXPECT_TRUE(j["modules"][0]["extra"]["exactCapacity"].is_null());
  EXPECT_TRUE(j["modules"][0]["extra"]["formFactor"].is_null());
}

}  // namespace
