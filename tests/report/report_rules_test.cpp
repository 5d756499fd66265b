// The advice rules hold on every fixture machine and SMBIOS dump in tests/data: each document is
// checked against the rules themselves, not against a copy of its own output.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <nlohmann/json.hpp>

#include "report/report_test_util.h"

namespace {

using json = nlohmann::json;
constexpr uint64_t kGiB = uint64_t{1} << 30;

std::vector<std::pair<std::string, std::string>> DataMachines() {
  std::vector<std::pair<std::string, std::string>> machines;
  for (const auto& entry : std::filesystem::directory_iterator(TestDataPath(""))) {
    const std::string name = entry.path().filename().string();
    const bool expected = name.find(".expected.") != std::string::npos;
    if (!expected && entry.path().extension() == ".json") machines.emplace_back("--fixture", entry.path().string());
    if (name.rfind("smbios_", 0) == 0 && entry.path().extension() == ".bin") {
      machines.emplace_back("--smbios", entry.path().string());
    }
  }
  return machines;
}

bool IsStandardSize(uint64_t bytes, bool ddr5) {
  for (uint64_t size = 128ull << 20; size <= 512 * kGiB; size <<= 1) {
    if (bytes == size) return true;
  }
  return ddr5 && (bytes == 24 * kGiB || bytes == 48 * kGiB || bytes == 96 * kGiB || bytes == 192 * kGiB);
}

void CheckModule(const json& f) {
  const std::set<std::string> ddr = {"DDR", "DDR2", "DDR3", "DDR4", "DDR5"};
  if (f["standardName"].is_string()) {
    // "<gen>-<grade>": the generation is a DDR one and the grade within 1% of the rated speed.
    const std::string name = f["standardName"];
    ASSERT_TRUE(f["generation"].is_string() && ddr.count(f["generation"])) << name;
    const std::string gen = f["generation"];
    ASSERT_EQ(name.rfind(gen + "-", 0), 0u) << name;
    const int64_t grade = std::stoll(name.substr(gen.size() + 1));
    const int64_t rated = f["ratedMTs"];
    EXPECT_LE(std::llabs(grade - rated) * 100, rated) << name;
  } else {
    EXPECT_TRUE(f["generation"].is_null() || !ddr.count(f["generation"]) || f["ratedMTs"].is_null());
  }
  if (f["ecc"].is_boolean()) {
    const int64_t data = f["dataWidth"], total = f["totalWidth"];
    EXPECT_TRUE(data >= 8 && data <= 128 && total >= data && total <= data + 16);
    EXPECT_EQ(f["ecc"].get<bool>(), total > data);
  } else {
    EXPECT_TRUE(f["dataWidth"].is_null() && f["totalWidth"].is_null());  // insane widths unknown
  }
  if (f["formFactor"] == "FB-DIMM") {
    EXPECT_EQ(f["generation"], "DDR2");
  }
  for (const char* text : {"maker", "partNumber", "serialNumber"}) {
    if (!f[text].is_string()) continue;
    const std::string t = f[text];
    EXPECT_TRUE(!t.empty() && t.front() != ' ' && t.back() != ' ') << text << " '" << t << "'";
  }
}

void CheckUpgrade(const json& j) {
  const json& u = j["upgrade"];
  const uint64_t installed = j["installedBytes"];
  if (u["virtual"]) {
    for (const char* member : {"type", "buffering", "formFactor", "perFreeSlotBytes", "addableBytes"}) {
      EXPECT_TRUE(u[member].is_null()) << member;
    }
  }
  if (u["maximumBytes"].is_number()) {
    EXPECT_GE(u["maximumBytes"].get<uint64_t>(), installed);
    EXPECT_LE(u["maximumBytes"].get<uint64_t>(), uint64_t{64} << 40);
  }
  if (u["perFreeSlotBytes"].is_number()) {
    const uint64_t per = u["perFreeSlotBytes"], free = u["freeSlots"];
    EXPECT_TRUE(per == 0 || IsStandardSize(per, u["type"] == "DDR5")) << per;
    EXPECT_LE(per * free, u["maximumBytes"].get<uint64_t>() - installed);
    EXPECT_EQ(u["addableBytes"], per * free);
  }
  if (j["emptySlots"].is_array()) {
    EXPECT_EQ(u["freeSlots"], j["emptySlots"].size());
  }
  std::set<std::string> buffering;
  for (const json& m : j["modules"]) {
    const json& f = m["facts"];
    if (f["persistent"]) continue;
    if (u["type"].is_string()) {
      EXPECT_EQ(f["generation"], u["type"]);
    }
    if (f["buffering"].is_string()) buffering.insert(f["buffering"]);
  }
  if (buffering.count("load-reduced")) {
    EXPECT_EQ(u["buffering"], u["virtual"] ? json() : json("load-reduced"));
  }
}

TEST(ReportRules, HoldOnEveryFixtureAndDump) {
  size_t checked = 0;
  for (const auto& [option, path] : DataMachines()) {
    SCOPED_TRACE(path);
    ReportDocument report;
    try {
      report = ReportOf(option, path);
    } catch (const std::exception&) {
      continue;  // a machine broken on purpose
    }
    json j = json::parse(report.json);
    for (const json& m : j["modules"]) CheckModule(m["facts"]);
    CheckUpgrade(j);
    // The table says what to buy, and shows no raw maker code or placeholder it judged unknown.
    EXPECT_NE(report.human.find("\n  Buy            "), std::string::npos);
    for (const char* raw : {"JEDEC ID", "Manufacturer0", "To Be Filled", "0x4B", "[0x"}) {
      EXPECT_EQ(report.human.find(raw), std::string::npos) << raw;
    }
    ++checked;
  }
  EXPECT_GE(checked, 25u);
}

// Values no module can have are unknown, and nothing computed from them overflows.
TEST(ReportRules, AbsurdNumbersAreUnknown) {
  struct Case {
    const char* module;  // the properties of one Win32_PhysicalMemory instance
    bool sizeKnown, speedKnown;
  };
  const Case cases[] = {
      {R"("Capacity": "-9223372036854775808", "Speed": 100000000000000000)", false, false},
      {R"("Capacity": "-34359738368", "Speed": 3200)", false, true},
      {R"("Capacity": -1e18, "Speed": -3200)", false, false},
      {R"("Capacity": "0", "Speed": 4294967295)", false, false},
      {R"("Capacity": "9223372036854775807", "Speed": 200000)", false, false},
      {R"("Capacity": "17179869184", "Speed": 3200)", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.module);
    const std::string text = std::string(R"({"Win32_PhysicalMemoryArray": [{"MaxCapacity": 4294967295,
        "MaxCapacityEx": "9223372036854775807", "MemoryDevices": 4, "Use": 3}],
        "Win32_PhysicalMemory": [{"DeviceLocator": "A", "SMBIOSMemoryType": 26, "ConfiguredClockSpeed": 3200, )") +
                             c.module + "}]}";
    const std::string path = (std::filesystem::temp_directory_path() / "report_absurd.json").string();
    { std::ofstream(path, std::ios::binary) << text; }
    const json j = json::parse(ReportOf("--fixture", path).json);
    std::filesystem::remove(path);
    const json& f = j["modules"][0]["facts"];
    EXPECT_EQ(f["sizeBytes"].is_number(), c.sizeKnown);
    EXPECT_EQ(f["ratedMTs"].is_number(), c.speedKnown);
    EXPECT_EQ(j["installedBytes"], c.sizeKnown ? 16 * kGiB : 0);
    EXPECT_TRUE(j["upgrade"]["maximumBytes"].is_null());  // beyond 64 TiB
  }
}

}  // namespace
