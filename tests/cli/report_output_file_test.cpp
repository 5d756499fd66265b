// --output: the report's text replaces the file whole, or the file stays as it was.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "cli/report_cli_test_util.h"
#include "common/file_text.h"
#include "common/temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kOld = "the previous report\n";

struct OutputCase {
  const char* name;
  std::vector<std::string> options;  // the source and format; --output FILE follows
  const char* target;                // relative to the test folder
  bool targetExists;                 // kOld is there before the run
  int exitCode;
  const char* expectedFile;          // test data the file then holds; null: kOld, or no file
  const char* error;                 // the end of standard error's last line; "" when none
};

const OutputCase kCases[] = {
    {"new file, table", {"--fixture", "@report_desktop_ddr4.json"}, "memory.txt", false, 0,
     "report_desktop_ddr4.expected.txt", ""},
    {"replaces a file, JSON", {"--json", "--fixture", "@report_desktop_ddr4.json"}, "memory.json",
     true, 0, "report_desktop_ddr4.expected.json", ""},
    {"missing folder", {"--json", "--fixture", "@report_desktop_ddr4.json"}, "gone/memory.json",
     false, 1, nullptr, ": No such file or directory\n"},
    {"a folder in its place", {"--smbios", "@smbios_desktop_ddr4.bin"}, "folder", false, 1,
     nullptr, ": Is a directory\n"},
    {"unreadable inventory, table", {"--fixture", "@missing.json"}, "memory.txt", true, 1,
     nullptr, "missing.json: No such file or directory\n"},
    {"unreadable inventory, JSON", {"--json", "--fixture", "@missing.json"}, "memory.json", true, 1,
     nullptr, "missing.json: No such file or directory\n"},
};

std::vector<std::string> Arguments(const OutputCase& c, const fs::path& target) {
  std::vector<std::string> args;
  for (const std::string& option : c.options) {
    args.push_back(option[0] == '@' ? TestDataPath(option.substr(1)) : option);
  }
  args.insert(args.end(), {"--output", target.string()});
  return args;
}

TEST(ReportOutputFile, ReplacesTheFileWholeOrLeavesItAsItWas) {
  ::umask(022);
  for (const OutputCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    fs::create_directory(folder.File("folder"));
    const fs::path target = folder.File(c.target);
    if (c.targetExists) WriteFileText(target, kOld);
    const size_t filesBefore = folder.Count();

    ReportRun run = RunCli(Arguments(c, target));
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");  // the report went to the file, or nowhere
    if (*c.error == '\0') {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_TRUE(run.err.ends_with(c.error)) << run.err;
    }
    if (c.expectedFile != nullptr) {
      EXPECT_EQ(ReadFileText(target), ReadTestData(c.expectedFile));
      // The node exporter reads it as its own user.
      EXPECT_EQ(fs::status(target).permissions(),
                fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                    fs::perms::others_read);
    } else if (c.targetExists) {
      EXPECT_EQ(ReadFileText(target), kOld);
    }
    // No temporary file beside it, whatever happened.
    EXPECT_EQ(folder.Count(), filesBefore + (c.expectedFile != nullptr && !c.targetExists));
  }
}

// A file that cannot be written names itself and the system's reason, and keeps the exit
// status of a report that did not reach its reader.
TEST(ReportOutputFile, CannotWriteMessage) {
  TempFolder folder;
  const std::string target = folder.File("gone").string() + "/memory.prom";
  ReportRun run = RunCli({"--fixture", TestDataPath("report_desktop_ddr4.json"), "--output=" + target});
  EXPECT_EQ(run.exitCode, kExitInventoryUnreadable);
  EXPECT_EQ(run.err, "modulix-report: cannot write " + target + ": No such file or directory\n");
  EXPECT_FALSE(fs::exists(folder.File("gone")));
}

}  // namespace
