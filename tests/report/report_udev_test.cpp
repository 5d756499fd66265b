// A machine read through udev's database gives the report its SMBIOS tables give, wherever udev
// carries the field; without root the command falls back to that database.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include <nlohmann/json.hpp>

#include "report/report_test_util.h"

namespace {

using json = nlohmann::ordered_json;

// What udev does not keep: voltages it rounded to whole volts and texts it dropped (a bank label
// in Latin-1) are null in its report.
const std::set<std::string> kNullInUdev = {"voltageMillivolts", "BankLabel"};
// udev keeps one array: with several, its maximum is the last array's.
const std::set<std::string> kFromAllArrays = {"/maximumMemoryGB", "/labels/maximumMemory",
                                              "/upgrade/maximumBytes", "/upgrade/addableBytes",
                                              "/upgrade/perFreeSlotBytes"};

void Compare(const json& tables, const json& udev, const std::string& path, const std::string& key,
             bool severalArrays, std::vector<std::string>& differences) {
  if (tables.is_object() && udev.is_object()) {
    for (const auto& [name, value] : tables.items()) {
      if (!udev.contains(name)) differences.push_back(path + "/" + name + " missing");
      else Compare(value, udev[name], path + "/" + name, name, severalArrays, differences);
    }
    if (tables.size() != udev.size()) differences.push_back(path + " has other members");
  } else if (tables.is_array() && udev.is_array() && tables.size() == udev.size()) {
    for (size_t i = 0; i < tables.size(); ++i) {
      Compare(tables[i], udev[i], path + "/" + std::to_string(i), key, severalArrays, differences);
    }
  } else if (tables != udev && !(kNullInUdev.count(key) && udev.is_null()) &&
             !(severalArrays && kFromAllArrays.count(path)) && path != "/source") {
    differences.push_back(path + ": " + tables.dump() + " vs " + udev.dump());
  }
}

ReportDocument UdevReport(const std::string& file) {
  return MakeReportDocument(LoadUdevFileInventory(TestDataPath("udev/" + file)));
}

// The udev files are dmi_memory_id's output for each dump (scripts/udev_fixtures), as the database
// file and as udevadm prints it.
TEST(ReportUdev, SameReportAsTheTablesWhereUdevHasTheField) {
  const std::pair<const char*, bool> dumps[] = {
      {"desktop_ddr4", false}, {"laptop_lpddr5", false}, {"old_ddr2", false}, {"server_ddr5", true}};
  for (const auto& [name, severalArrays] : dumps) {
    ReportDocument tables = ReportOf("--smbios", TestDataPath("smbios_" + std::string(name) + ".bin"));
    ReportDocument database = UdevReport(std::string(name) + ".db");
    ASSERT_TRUE(database.readable) << name << database.human;
    EXPECT_EQ(UdevReport(std::string(name) + ".properties").json, database.json) << name;
    json udev = json::parse(database.json);
    EXPECT_EQ(udev["source"], "udev");
    std::vector<std::string> differences;
    Compare(json::parse(tables.json), udev, "", "", severalArrays, differences);
    EXPECT_EQ(differences, std::vector<std::string>{}) << name;
    EXPECT_EQ(udev["modules"].size(), json::parse(tables.json)["modules"].size()) << name;
  }
}

class ReportUdevFallback : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("MODULIX_DMI_TABLES");
    unsetenv("MODULIX_UDEV_DB");
  }
};

TEST_F(ReportUdevFallback, WithoutTheTablesTheDatabaseIsRead) {
  setenv("MODULIX_DMI_TABLES", "/nonexistent/tables", 1);
  setenv("MODULIX_UDEV_DB", TestDataPath("udev/desktop_ddr4.db").c_str(), 1);
  ReportDocument fallback = MakeReportDocument(LoadPlatformInventory());
  EXPECT_EQ(fallback.json, UdevReport("desktop_ddr4.db").json);
  EXPECT_EQ(fallback.human, UdevReport("desktop_ddr4.db").human);
}

}  // namespace
