// Whole outputs of the report for fixture machines and SMBIOS dumps, and the JSON read back.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "report_test_util.h"

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
    {"wine", "--fixture", "report_wine.json"},
    {"smbios_desktop_ddr4", "--smbios", "smbios_desktop_ddr4.bin"},
    {"smbios_server_ddr5", "--smbios", "smbios_server_ddr5.bin"},
    {"smbios_laptop_lpddr5", "--smbios", "smbios_laptop_lpddr5.bin"},
    {"smbios_old_ddr2", "--smbios", "smbios_old_ddr2.bin"},
};

class ReportOutput : public ::testing::TestWithParam<Machine> {};

TEST_P(ReportOutput, HumanTableMatchesWhole) {
  const Machine& m = GetParam();
  ReportRun run = RunCli({m.option, TestDataPath(m.file)});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadTestData(std::string("report_") + m.name + ".expected.txt"));
}

TEST_P(ReportOutput, HumanTableFitsEightyColumns) {
  const Machine& m = GetParam();
  std::istringstream lines(RunCli({m.option, TestDataPath(m.file)}).out);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

TEST_P(ReportOutput, JsonMatchesWhole) {
  const Machine& m = GetParam();
  ReportRun run = RunCli({"--json", m.option, TestDataPath(m.file)});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadTestData(std::string("report_") + m.name + ".expected.json"));
}

// Read back, the numbers agree with each other and with the texts the window shows.
TEST_P(ReportOutput, JsonReadBackIsConsistent) {
  const Machine& m = GetParam();
  json j = json::parse(RunCli({"--json", m.option, TestDataPath(m.file)}).out);
  EXPECT_EQ(j["source"], std::string(m.option) == "--smbios" ? "smbios" : "fixture");
  EXPECT_EQ(j["labels"]["slots"], "Number of slots : " + std::to_string(j["slots"].get<int>()));
  EXPECT_EQ(j["labels"]["maximumMemory"],
            "Maximum memory : " + std::to_string(j["maximumMemoryGB"].get<int64_t>()) + " GB");
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
  json j = json::parse(RunCli({"--json", "--smbios", TestDataPath("smbios_server_ddr5.bin")}).out);
  EXPECT_EQ(j["modules"][0]["raw"]["BankLabel"], "Canal A \u00e9tage 0");
  EXPECT_EQ(j["modules"][0]["raw"]["Manufacturer"], "Samsung");
}

}  // namespace
