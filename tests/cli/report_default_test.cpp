// The command without a source prints the report the program's window shows: the same
// document, from the same default inventory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/report_cli_test_util.h"

namespace {

class ReportDefault : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("MODULIX_WMI_FIXTURE"); }
};

TEST_F(ReportDefault, FixtureVariableIsReadAsFixtureFileIs) {
  std::string fixture = TestDataPath("report_desktop_win10.json");
  setenv("MODULIX_WMI_FIXTURE", fixture.c_str(), 1);
  ReportDocument document = MakeDefaultReport();
  ASSERT_TRUE(document.readable) << document.human;
  ReportRun human = RunCli({});
  ReportRun json = RunCli({"--json"});
  EXPECT_EQ(human.exitCode, 0);
  EXPECT_EQ(human.out, document.human);
  EXPECT_EQ(json.out, document.json);
  EXPECT_EQ(human.out, RunCli({"--fixture", fixture}).out);
  EXPECT_EQ(json.out, RunCli({"--json", "--fixture", fixture}).out);
  EXPECT_NE(json.out.find("\"source\": \"fixture\""), std::string::npos);
}

TEST_F(ReportDefault, UnreadableInventoryGivesTheErrorText) {
  setenv("MODULIX_WMI_FIXTURE", "/nonexistent/machine.json", 1);
  ReportDocument document = MakeDefaultReport();
  EXPECT_FALSE(document.readable);
  EXPECT_EQ(document.json, "");
  EXPECT_EQ(document.human.rfind("cannot read /nonexistent/machine.json: ", 0), 0u) << document.human;
  ReportRun run = RunCli({});
  EXPECT_EQ(run.exitCode, kExitInventoryUnreadable);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "modulix-report: " + document.human);
}

}  // namespace
