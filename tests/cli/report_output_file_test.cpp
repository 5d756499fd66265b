// --output: the report's text replaces the file whole, or the file stays as it was.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "cli/report_cli_test_util.h"
#include "common/file_text.h"
#include "common/temp_folder.h"
#include "report/format/report_prometheus.h"

namespace {

namespace fs = std::filesystem;

const std::string kOld = "the previous report\n";

struct OutputCase {
  const char* name;
  std::vector<std::string> options;  // source and format ("@name": a test data file)
  const char* target;                // in the test folder, which holds an empty folder "folder"
  bool targetExists;                 // holds kOld before the run
  int exitCode;
  const char* expectedFile;          // test data the file then holds; null: see below
  bool failureMetrics;               // the file holds the failure's metrics; else unchanged/absent
  const char* error;                 // standard error; {target} and {data} stand for the paths
};

const OutputCase kCases[] = {
    {"new file, table", {"--fixture", "@report_desktop_ddr4.json"}, "memory.txt", false, 0,
     "report_desktop_ddr4.expected.txt", false, ""},
    {"replaces a file, JSON", {"--json", "--fixture=@report_desktop_ddr4.json"}, "memory.json", true,
     0, "report_desktop_ddr4.expected.json", false, ""},
    {"missing folder", {"--json", "--fixture", "@report_desktop_ddr4.json"}, "gone/memory.json",
     false, 1, nullptr, false,
     "modulix-report: cannot write {target}: No such file or directory\n"},
    {"a folder in its place", {"--smbios", "@smbios_desktop_ddr4.bin"}, "folder", false, 1, nullptr,
     false, "modulix-report: cannot write {target}: Is a directory\n"},
    {"unreadable inventory, table", {"--fixture", "@missing.json"}, "memory.txt", true, 1, nullptr,
     false, "modulix-report: cannot read {data}missing.json: No such file or directory\n"},
    {"unreadable inventory, metrics", {"--prometheus", "--fixture", "@missing.json"}, "memory.prom",
     true, 1, nullptr, true,
     "modulix-report: cannot read {data}missing.json: No such file or directory\n"},
};

std::string Expand(std::string text, const std::string& name, const std::string& value) {
  for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), value);
  return text;
}

std::vector<std::string> Arguments(const OutputCase& c, const std::string& target) {
  std::vector<std::string> args;
  for (const std::string& option : c.options) args.push_back(Expand(option, "@", TestDataPath("")));
  args.insert(args.end(), {"--output", target});
  return args;
}

constexpr int64_t kNow = 1765000000;

TEST(ReportOutputFile, ReplacesTheFileWholeOrLeavesItAsItWas) {
  ::umask(022);
  for (const OutputCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    fs::create_directory(folder.File("folder"));
    const std::string target = folder.File(c.target).string();
    if (c.targetExists) WriteFileText(target, kOld);
    const size_t filesBefore = folder.Count();

    ReportRun run;
    run.exitCode = RunReport(Arguments(c, target), run.out, run.err, [] { return kNow; });
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");  // the report went to the file, or nowhere
    EXPECT_EQ(run.err, Expand(Expand(c.error, "{target}", target), "{data}", TestDataPath("")));
    if (c.expectedFile != nullptr || c.failureMetrics) {
      EXPECT_EQ(ReadFileText(target), c.failureMetrics ? FormatPrometheusFailure(kNow)
                                                       : ReadTestData(c.expectedFile));
      // The node exporter reads it as its own user.
      EXPECT_EQ(fs::status(target).permissions(),
                fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                    fs::perms::others_read);
    } else if (c.targetExists) {  // no report: the collector keeps the last one
      EXPECT_EQ(ReadFileText(target), kOld);
    }
    // No temporary file beside it, whatever happened.
    EXPECT_EQ(folder.Count(), filesBefore + (c.expectedFile != nullptr && !c.targetExists));
  }
}

}  // namespace
