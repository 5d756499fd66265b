// The command line: what parses, and the usage errors (exit 2, message and usage text).
#include <gtest/gtest.h>

#include "cli/report_options.h"
#include "cli/report_cli_test_util.h"

namespace {

TEST(ReportOptions, SourcesFormatsAndHelp) {
  ReportOptions o = ParseReportOptions({});
  EXPECT_FALSE(o.json);
  EXPECT_EQ(o.source, ReportSource::Default);

  o = ParseReportOptions({"--smbios", "dump.bin", "--json"});
  EXPECT_TRUE(o.json);
  EXPECT_EQ(o.source, ReportSource::Smbios);
  EXPECT_EQ(o.file, "dump.bin");

  o = ParseReportOptions({"--fixture=machine.json"});
  EXPECT_EQ(o.source, ReportSource::Fixture);
  EXPECT_EQ(o.file, "machine.json");

  o = ParseReportOptions({"--smbios", "-"});
  EXPECT_EQ(o.file, "-");
  o = ParseReportOptions({"--smbios", "--json"});  // a file may be called that
  EXPECT_EQ(o.file, "--json");
  EXPECT_FALSE(o.json);

  EXPECT_TRUE(ParseReportOptions({"--prometheus"}).prometheus);

  o = ParseReportOptions({"--json", "--"});  // "--" ends the options
  EXPECT_TRUE(o.json);

  o = ParseReportOptions({"--output", "memory.prom", "--json"});
  EXPECT_EQ(o.output, "memory.prom");
  EXPECT_EQ(ParseReportOptions({"--output=m.txt"}).output, "m.txt");

  EXPECT_TRUE(ParseReportOptions({"-h"}).help);
  EXPECT_TRUE(ParseReportOptions({"--json", "--help"}).help);
}

TEST(ReportOptions, UsageErrorsExitWithTwoAndTheUsageText) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--jsn"}, "unknown option --jsn"},
      {{"-x"}, "unknown option -x"},
      {{"extra"}, "unexpected argument extra"},
      {{"--smbios"}, "option --smbios needs a FILE"},
      {{"--fixture="}, "option --fixture needs a FILE"},
      {{"--json", "--output"}, "option --output needs a FILE"},
      {{"--smbios", "a", "--fixture", "b"}, "give one source only: --smbios FILE, --udev FILE or --fixture FILE"},
      {{"--smbios", "a", "--smbios", "b"}, "give one source only: --smbios FILE, --udev FILE or --fixture FILE"},
      {{"--", "--json"}, "unexpected argument --json"},
      {{"--prometheus", "--json"}, "give one format only: --json or --prometheus"},
      // Arguments come back with their control bytes shown as '?': none retitles the terminal.
      {{"\x1b]0;title\x07"}, "unexpected argument ?]0;title?"},
      {{"--\x1b[2J"}, "unknown option --?[2J"},
  };
  for (const auto& [args, message] : cases) {
    ReportRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, kExitUsage) << message;
    EXPECT_EQ(run.err, "modulix-report: " + message + "\n" + kReportUsage);
    EXPECT_EQ(run.out, "");
  }
}

TEST(ReportOptions, HelpGoesToStandardOutput) {
  ReportRun run = RunCli({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, kReportUsage);
  EXPECT_EQ(run.err, "");
  std::istringstream lines(kReportUsage);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

}  // namespace
