// What the report does when the inventory cannot be read, or can be read only in part.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <tuple>

#include "common/temp_folder.h"
#include "inventory/smbios/smbios_dump_writer.h"
#include "cli/report_cli_test_util.h"

namespace {

namespace fs = std::filesystem;

const std::string kDumpRemedy =
    "; pass a file written by 'dmidecode --dump-bin FILE' or a copy of /sys/firmware/dmi/tables/DMI\n";

// Without a source option: neither the tables (for the reason given) nor udev's database.
std::string NeitherSource(const std::string& tables, const fs::path& dir) {
  return "cannot read the firmware tables (" + tables + ") nor the udev database (" +
         (dir / "udev_db").string() + ": No such file or directory); " +
         "let systemd-udevd store the memory devices (udevadm trigger --subsystem-match=dmi), or "
         "pass --smbios FILE or --udev FILE\n";
}

std::string NeitherSourceMessage(const fs::path& dir) {
  return "modulix-report: " +
         NeitherSource((dir / "smbios_entry_point").string() + ": No such file or directory", dir);
}

class ReportErrors : public ::testing::Test {
 protected:
  // Never the machine's own udev database.
  void SetUp() override { setenv("MODULIX_UDEV_DB", (dir_ / "udev_db").c_str(), 1); }
  void TearDown() override {
    unsetenv("MODULIX_DMI_TABLES");
    unsetenv("MODULIX_UDEV_DB");
  }
  std::string Write(const std::string& name, const Bytes& bytes) {
    std::string path = (dir_ / name).string();
    SaveBytes(path, bytes);
    return path;
  }
  TempFolder folder_;
  const fs::path& dir_ = folder_.Path();
};

Bytes SampleDump() {
  DumpArray a;
  a.devices = 2;
  a.maxCapacityKb = 32u << 20;
  DumpDevice d;
  d.size = 8192;
  d.locator = "DIMM_A1";
  d.manufacturer = "Samsung";
  d.speed = 3200;
  DumpDevice e = d;
  e.handle = 0x1101;
  e.locator = "DIMM_A2";
  return WriteDump({EncodeArray(a), EncodeDevice(d), EncodeDevice(e)});
}

// Linux without readable tables: one line naming the file, the reason and the remedy; without a
// source option the udev database is named too, as the other place the report looked. Missing
// tables are no matter of rights, so --smbios - does not advise "run as root".
TEST_F(ReportErrors, FirmwareTablesNotReadable) {
  setenv("MODULIX_DMI_TABLES", dir_.c_str(), 1);
  setenv("MODULIX_UDEV_DB", (dir_ / "udev_db").c_str(), 1);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"--json"}, {"--smbios", "-"}}) {
    ReportRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, kExitInventoryUnreadable);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, args.size() == 2 ? "modulix-report: cannot read " +
                                              (dir_ / "smbios_entry_point").string() +
                                              ": No such file or directory; pass --smbios FILE "
                                              "written by 'dmidecode --dump-bin FILE'\n"
                                        : NeitherSourceMessage(dir_));
  }
}

// "Run as root" only where it helps: tables the kernel keeps from a user who is not root. The
// same when udev's database could not be read either.
TEST(FirmwareTablesRemedy, RunAsRootOnlyWhenRightsAreMissing) {
  const std::string dump = "pass --smbios FILE written by 'dmidecode --dump-bin FILE'";
  const std::string udev =
      "let systemd-udevd store the memory devices (udevadm trigger --subsystem-match=dmi), or "
      "pass --smbios FILE or --udev FILE";
  const std::tuple<int, bool, bool> cases[] = {  // error, runs as root, "run as root" advised
      {EACCES, false, true}, {EPERM, false, true}, {EACCES, true, false},
      {ENOENT, false, false}, {ENOENT, true, false}, {0, false, false},
  };
  for (const auto& [error, root, advised] : cases) {
    const std::string prefix = advised ? "run as root, or " : "";
    EXPECT_EQ(FirmwareTablesRemedy(error, root), prefix + dump) << error << " " << root;
    EXPECT_EQ(UdevFallbackRemedy(error, root), prefix + udev) << error << " " << root;
  }
}

TEST_F(ReportErrors, FirmwareTablesReadFromTheKernelFolder) {
  Bytes dump = SampleDump();
  Write("smbios_entry_point", Bytes(dump.begin(), dump.begin() + 0x18));
  Write("DMI", Bytes(dump.begin() + 32, dump.end()));
  setenv("MODULIX_DMI_TABLES", dir_.c_str(), 1);
  ReportRun run = RunCli({});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("Machine\n  System         unknown\n  Slots          2\n"
                          "  Maximum        32 GB\n  Installed      16 GB\n", 0),
            0u);
}

TEST_F(ReportErrors, DumpsThatCannotBeRead) {
  std::string missing = (dir_ / "missing.bin").string();
  ReportRun run = RunCli({"--smbios", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "modulix-report: cannot read " + missing + ": No such file or directory" + kDumpRemedy);

  std::string empty = Write("empty.bin", {});
  EXPECT_EQ(RunCli({"--smbios", empty}).err,
            "modulix-report: cannot read " + empty + ": the file is empty" + kDumpRemedy);

  DumpOptions bad;
  bad.badChecksum = true;
  std::string checksum = Write("checksum.bin", WriteDump({}, bad));
  run = RunCli({"--json", "--smbios", checksum});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "modulix-report: cannot read " + checksum + ": the entry point checksum is wrong" +
                         kDumpRemedy);
}

TEST_F(ReportErrors, TruncatedDumpGivesAPartialReportAndAWarning) {
  Bytes dump = SampleDump();
  dump.resize(dump.size() - 20);  // into the second device
  std::string cut = Write("cut.bin", dump);
  ReportRun run = RunCli({"--smbios", cut});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "modulix-report: warning: " + cut +
                         ": the table ends early (unterminated string set at offset 82); the "
                         "report covers the structures before it\n");
  EXPECT_NE(run.out.find("  Installed      8 GB\n"), std::string::npos);
}

// No array and no device is no inventory, whichever way the same tables come in.
TEST_F(ReportErrors, TablesWithoutMemoryStructuresAreNoInventory) {
  const std::string noMemory =
      ": the tables describe no system memory (no memory array or memory device, SMBIOS types 16 "
      "and 17)\n";
  Bytes dump = WriteDump({EncodeStructure(1, 1, {1, 2, 3, 4}, {"Maker"})});
  std::string none = Write("none.bin", dump);
  ReportRun run = RunCli({"--smbios", none});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "modulix-report: " + none + noMemory);

  Write("smbios_entry_point", Bytes(dump.begin(), dump.begin() + 0x18));
  Write("DMI", Bytes(dump.begin() + 32, dump.end()));
  setenv("MODULIX_DMI_TABLES", dir_.c_str(), 1);
  run = RunCli({"--json"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "modulix-report: " + dir_.string() + noMemory);

  // No bytes at all: the same reason for the kernel's file as for a dump file.
  std::string dmi = Write("DMI", {});
  EXPECT_EQ(RunCli({}).err, "modulix-report: " + NeitherSource(dmi + ": the file is empty", dir_));
  std::string empty = Write("empty.bin", {});
  EXPECT_EQ(RunCli({"--smbios", empty}).err,
            "modulix-report: cannot read " + empty + ": the file is empty" + kDumpRemedy);
}

TEST_F(ReportErrors, FixturesThatCannotBeRead) {
  std::string missing = (dir_ / "missing.json").string();
  ReportRun run = RunCli({"--fixture", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "modulix-report: cannot read " + missing + ": No such file or directory\n");

  std::string broken = Write("broken.json", {'{', '"', 'W'});
  run = RunCli({"--fixture", broken});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("modulix-report: " + broken + " is not a WMI fixture: ", 0), 0u) << run.err;

  std::string noModules = Write("nomodules.json", Bytes{'{', '}'});  // the class query fails
  run = RunCli({"--fixture", noModules});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "modulix-report: cannot read the WMI class Win32_PhysicalMemory\n");
}

TEST_F(ReportErrors, ValuesOfTheWrongTypeInALaterModule) {
  const std::string text =
      R"({"Win32_PhysicalMemoryArray": [],
          "Win32_PhysicalMemory": [{"DeviceLocator": "A", "Capacity": "1073741824"},
                                   {"DeviceLocator": "B", "Capacity": "lots"}]})";
  std::string fixture = Write("wrong.json", Bytes(text.begin(), text.end()));
  ReportRun run = RunCli({"--fixture", fixture});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("modulix-report: the inventory holds a value of the wrong type: ", 0), 0u)
      << run.err;
}

// Random files: a report or an error, exit 0 or 1, never a crash (AddressSanitizer watches).
TEST_F(ReportErrors, RandomBytes) {
  std::mt19937 rng(7);
  Bytes good = SampleDump();
  for (int round = 0; round < 200; ++round) {
    Bytes bytes = good;
    if (round % 2) {
      bytes.resize(rng() % 200);
      for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    } else {
      for (int i = 0; i < 6; ++i) bytes[32 + rng() % (bytes.size() - 32)] = static_cast<uint8_t>(rng());
    }
    std::string path = Write("random.bin", bytes);
    std::vector<std::string> args = {"--smbios", path};
    if (round % 4 < 2) args.push_back("--json");
    ReportRun run = RunCli(args);
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << round;
    if (run.exitCode == 1) {
      EXPECT_EQ(run.out, "");
    }
  }
}

std::string Seed(const std::string& name) { return TestDataPath("../fuzz/seeds/smbios_table/" + name); }

// Inputs made to hurt: what each gives on standard error, and the exit status. (The limits
// themselves are tested beside the reader, the JSON member by the schema test.)
TEST_F(ReportErrors, HostileInputs) {
  Bytes device = EncodeDevice(DumpDevice{});
  Bytes overLimit;
  for (int i = 0; i < 4097; ++i) overLimit.insert(overLimit.end(), device.begin(), device.end());
  const std::string many = Write("many.bin", overLimit);
  const std::string control = (dir_ / "dump\x1b]0;title\x07.bin").string();
  const std::string controlShown = (dir_ / "dump?]0;title?.bin").string();
  const std::string noMemory =
      "the tables describe no system memory (no memory array or memory device, SMBIOS types 16 and 17)";
  struct Case {
    std::vector<std::string> args;
    std::string dmiTables;  // MODULIX_DMI_TABLES, when set
    int exitCode;
    std::string err;
  };
  const Case cases[] = {
      {{"--json", "--smbios", Seed("zero_bytes")}, "", 1,
       "cannot read " + Seed("zero_bytes") + ": not an SMBIOS table (nothing but zero bytes)" + kDumpRemedy},
      {{"--smbios", Seed("no_memory_structures")}, "", 1, Seed("no_memory_structures") + ": " + noMemory + "\n"},
      {{"--json", "--smbios", Seed("long_texts")}, "", 0, ""},
      {{"--json", "--smbios", many}, "", 0,
       "warning: " + many + ": more than 4096 memory devices; the report leaves out 1\n"},
      {{"--fixture", "/dev/zero"}, "", 1, "cannot read /dev/zero: it holds more than 16 MiB\n"},
      {{"--smbios", "/dev/zero"}, "", 1, "cannot read /dev/zero: it holds more than 16 MiB" + kDumpRemedy},
      {{"--smbios", control}, "", 1, "cannot read " + controlShown + ": No such file or directory" + kDumpRemedy},
      {{}, (dir_ / "\x1b[2J").string(), 1,
       NeitherSource((dir_ / "?[2J/smbios_entry_point").string() + ": No such file or directory", dir_)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.empty() ? c.dmiTables : c.args.back());
    if (!c.dmiTables.empty()) setenv("MODULIX_DMI_TABLES", c.dmiTables.c_str(), 1);
    ReportRun run = RunCli(c.args);
    unsetenv("MODULIX_DMI_TABLES");
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err, c.err.empty() ? "" : "modulix-report: " + c.err);
    EXPECT_EQ(run.out.empty(), c.exitCode != 0);
  }
}

// A report that cannot be written in full fails with the reason, and a cut file is no success.
TEST_F(ReportErrors, AReportThatCannotBeWrittenFails) {
  const std::string dump = Write("sample.bin", SampleDump());
  const std::string errFile = (dir_ / "err.txt").string();
  const std::string report = MODULIX_REPORT_EXE " --json --smbios " + dump;
  const std::pair<std::string, std::string> cases[] = {
      {report + " >/dev/full", "No space left on device"},
      // The file size limit cuts the report after its first kilobyte, as a full disk would.
      {"trap '' XFSZ; ulimit -f 1; " + report + " >" + (dir_ / "cut.json").string(), "File too large"},
  };
  for (const auto& [command, reason] : cases) {
    const std::string shell = "sh -c \"" + command + "\" 2>" + errFile;
    int status = std::system(shell.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1) << command;
    std::ifstream err(errFile);
    std::string text((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "modulix-report: cannot write the report: " + reason + "\n") << command;
  }
  EXPECT_EQ(WEXITSTATUS(std::system((report + " >/dev/null").c_str())), 0);
}

// The built program: exit code and the one line on standard error.
TEST_F(ReportErrors, TheProgramItself) {
  std::string command = "MODULIX_DMI_TABLES=" + dir_.string() + " MODULIX_UDEV_DB=" +
                        (dir_ / "udev_db").string() + " " MODULIX_REPORT_EXE " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string output;
  char buf[512];
  while (size_t n = fread(buf, 1, sizeof buf, pipe.get())) output.append(buf, n);
  int status = pclose(pipe.release());
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(output, NeitherSourceMessage(dir_));
  std::string usage = std::string(MODULIX_REPORT_EXE) + " --frobnicate >/dev/null 2>&1";
  EXPECT_EQ(WEXITSTATUS(std::system(usage.c_str())), 2);
}

}  // namespace
