// What the report does when the inventory cannot be read, or can be read only in part.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

#include "inventory/smbios/smbios_dump_writer.h"
#include "cli/report_cli_test_util.h"

namespace {

namespace fs = std::filesystem;

const std::string kDumpRemedy =
    "; pass a file written by 'dmidecode --dump-bin FILE' or a copy of /sys/firmware/dmi/tables/DMI\n";

std::string NeitherSourceMessage(const fs::path& dir) {
  return "modulix-report: cannot read the firmware tables (" + (dir / "smbios_entry_point").string() +
         ": No such file or directory) nor the udev database (" + (dir / "udev_db").string() +
         ": No such file or directory); run as root, or let systemd-udevd store the memory devices "
         "(udevadm trigger --subsystem-match=dmi), or pass --smbios FILE or --udev FILE\n";
}

class ReportErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("report_errors_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    unsetenv("MODULIX_DMI_TABLES");
    unsetenv("MODULIX_UDEV_DB");
    fs::remove_all(dir_);
  }
  std::string Write(const std::string& name, const Bytes& bytes) {
    std::string path = (dir_ / name).string();
    SaveBytes(path, bytes);
    return path;
  }
  fs::path dir_;
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
// source option the udev database is named too, as the other place the report looked.
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
                                              ": No such file or directory; run as root, or pass "
                                              "--smbios FILE written by 'dmidecode --dump-bin FILE'\n"
                                        : NeitherSourceMessage(dir_));
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
  EXPECT_EQ(run.out.substr(0, 66),
            "Number of slots : 2\nMaximum memory : 32 GB\nCurrent memory : 16 GB\n");
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
  EXPECT_NE(run.out.find("Current memory : 8 GB\n"), std::string::npos);
}

TEST_F(ReportErrors, TablesWithoutMemoryStructuresSaySo) {
  std::string none = Write("none.bin", WriteDump({EncodeStructure(1, 1, {1, 2, 3, 4}, {"Maker"})}));
  ReportRun run = RunCli({"--smbios", none});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "modulix-report: warning: " + none +
                         ": the tables describe no memory (no structure of type 16 or 17)\n");
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
