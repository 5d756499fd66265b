// The Windows build of the report under Wine: the same outputs for the same machines, WMI as
// the default source, and the firmware's own tables through GetSystemFirmwareTable.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "cli/report_cli_test_util.h"
#include "cli/report_console.h"
#include "common/file_text.h"
#include "common/temp_folder.h"

namespace {

using json = nlohmann::ordered_json;

struct Machine {
  const char* name;
  const char* option;
  const char* file;
  bool asciiOnly;  // the human table of a Latin-1 firmware differs by platform
};

const Machine kMachines[] = {
    {"desktop_win10", "--fixture", "report_desktop_win10.json", true},
    {"server_five", "--fixture", "report_server_five.json", true},
    {"laptop_soldered", "--fixture", "report_laptop_soldered.json", true},
    {"desktop_ddr4", "--fixture", "report_desktop_ddr4.json", true},
    {"desktop_ddr5", "--fixture", "report_desktop_ddr5.json", true},
    {"wine", "--fixture", "report_wine.json", true},
    {"smbios_desktop_ddr4", "--smbios", "smbios_desktop_ddr4.bin", true},
    {"smbios_server_ddr5", "--smbios", "smbios_server_ddr5.bin", true},
    {"smbios_laptop_lpddr5", "--smbios", "smbios_laptop_lpddr5.bin", true},
    {"smbios_old_ddr2", "--smbios", "smbios_old_ddr2.bin", true},
};

TEST(ReportWindows, SameOutputsAsTheNativeBuild) {
  for (const Machine& m : kMachines) {
    SCOPED_TRACE(m.name);
    ReportRun json = RunCli({"--json", m.option, TestDataPath(m.file)});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, ReadTestData(std::string("report_") + m.name + ".expected.json"));
    if (!m.asciiOnly) continue;
    ReportRun human = RunCli({m.option, TestDataPath(m.file)});
    EXPECT_EQ(human.exitCode, 0);
    EXPECT_EQ(human.out, ReadTestData(std::string("report_") + m.name + ".expected.txt"));
  }
}

// Wine's WMI delivers one module and no array.
TEST(ReportWindows, WmiIsTheDefaultSource) {
  ReportRun run = RunCli({"--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  json j = json::parse(run.out);
  EXPECT_EQ(j["source"], "wmi");
  ASSERT_FALSE(j["modules"].empty());
  EXPECT_TRUE(j["emptySlots"].is_null());
  EXPECT_EQ(j["modules"][0]["panel"]["Slot Name"], j["modules"][0]["raw"]["DeviceLocator"]);
  ReportRun human = RunCli({});
  EXPECT_EQ(human.exitCode, 0);
  EXPECT_EQ(human.out.rfind("Machine\n  System ", 0), 0u);
  // The program's report window shows this same document.
  ReportDocument document = MakeDefaultReport();
  EXPECT_TRUE(document.readable);
  EXPECT_EQ(document.human, human.out);
  EXPECT_EQ(document.json, run.out);
}

// The fixture of the test seam replaces WMI for the window's report as for --fixture.
TEST(ReportWindows, FixtureVariableAsFixtureFile) {
  std::string fixture = TestDataPath("report_desktop_ddr5.json");
  _putenv_s("MODULIX_WMI_FIXTURE", fixture.c_str());
  ReportDocument document = MakeDefaultReport();
  _putenv_s("MODULIX_WMI_FIXTURE", "");
  EXPECT_EQ(document.human, ReadTestData("report_desktop_ddr5.expected.txt"));
  EXPECT_EQ(document.json, ReadTestData("report_desktop_ddr5.expected.json"));
}

TEST(ReportWindows, FirmwareTablesThroughGetSystemFirmwareTable) {
  ReportRun run = RunCli({"--json", "--smbios", "-"});
  if (run.exitCode == 0) {
    EXPECT_EQ(json::parse(run.out)["source"], "smbios");
  } else {
    // Wine's tables describe the machine but no memory: no inventory, as on Linux.
    EXPECT_EQ(run.exitCode, 1);
    const bool unreadable = run.err.rfind("modulix-report: cannot read firmware table 'RSMB': ", 0) == 0;
    const bool noMemory = run.err ==
        "modulix-report: the firmware tables: the tables describe no system memory (no memory "
        "array or memory device, SMBIOS types 16 and 17)\n";
    EXPECT_TRUE(unreadable || noMemory) << run.err;
  }
}

// --output's Windows half: the narrow name opened through the wide calls, the report's bytes
// unchanged (no CR added), and the system's own words for a file that cannot be written.
TEST(ReportWindows, OutputFile) {
  TempFolder folder;
  const std::string fixture = "--fixture=" + TestDataPath("report_wine.json");
  const std::string target = folder.File("memory.json").string();
  ReportRun written = RunCli({"--json", fixture, "--output", target});
  EXPECT_EQ(written.exitCode, 0);
  EXPECT_EQ(ReadFileText(target), ReadTestData("report_wine.expected.json"));

  const std::string missing = folder.File("gone").string() + "\\memory.json";
  ReportRun failed = RunCli({"--json", fixture, "--output", missing});
  EXPECT_EQ(failed.exitCode, 1);
  const std::string prefix = "modulix-report: cannot write " + missing + ": ";
  ASSERT_EQ(failed.err.rfind(prefix, 0), 0u) << failed.err;
  const std::string words = failed.err.substr(prefix.size());  // one line, not "error 3."
  EXPECT_TRUE(words.size() > 2 && words.find("error ") == std::string::npos) << words;
  EXPECT_EQ(words.find_first_of("\r\n"), words.size() - 1) << words;
  EXPECT_NE(words[words.size() - 2], '.') << words;
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"memory.json"});
}

// The metrics' format allows LF line ends only: a stream in text mode would write CR LF.
TEST(ReportWindows, MetricsKeepTheirLineEnds) {
  TempFolder folder;
  const std::string path = folder.File("line_ends.prom").string();
  std::FILE* file = std::fopen(path.c_str(), "w");  // text mode, as stdout starts
  ASSERT_NE(file, nullptr);
  KeepLineEnds(file);
  std::fputs("a 1\nb 2\n", file);
  std::fclose(file);
  EXPECT_EQ(ReadFileText(path), "a 1\nb 2\n");
}

}  // namespace
