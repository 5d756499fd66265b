#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_log/run_log.h"
#include "support/run_log/run_log_os.h"
#include "support/files/shell_open.h"
#include "support/run_log/run_log_test_support.h"

namespace {
constexpr int32_t kProgramLimit = 10000;
constexpr char kLogName[] = "Modulix.log";

class RunLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CurrentRunLogOs().localNow = [this] { return now; };
    CurrentRunLogOs().timeSeparator = [this] { return separator; };
  }
  NativePath LogPath() const { return folder.File(kLogName).native(); }
  std::optional<std::string> LogFile() const { return ReadWholeFile(LogPath()); }

  ScopedRunLogOs restoreOs;
  TempFolder folder;
  RunLogTime now{2024, 5, 17, 10, 31, 5};
  std::string separator = ":";
};

constexpr uint32_t kAccessDenied = 5;

// Makes the n-th call (counting from 1) of a saving step fail without doing anything.
template <typename Step>
Step FailingOnCall(int failingCall, Step real, int& calls) {
  return [=, &calls](const NativePath& a, const auto& b) -> uint32_t {
    return ++calls == failingCall ? kAccessDenied : real(a, b);
  };
}
}  // namespace

TEST_F(RunLogTest, FileHoldsTheEntriesNewestFirstEachEndingWithCrLf) {
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("Starting", 1);
  now.second = 6;
  log.Add("File downloaded : Server error (404)", 2);
  log.Add("Scanning slot #0", 1);

  const std::string expected =
      "Info\t[24-05-17 10:31:06]\tScanning slot #0\r\n"
      "Error\t[24-05-17 10:31:06]\tFile downloaded : Server error (404)\r\n"
      "Info\t[24-05-17 10:31:05]\tStarting\r\n";
  EXPECT_EQ(LogFile(), expected);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Info\t[24-05-17 10:31:06]\tScanning slot #0",
                                                   "Error\t[24-05-17 10:31:06]\tFile downloaded "
                                                   ": Server error (404)",
                                                   "Info\t[24-05-17 10:31:05]\tStarting"}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{kLogName});  // no temporary file left
}

TEST_F(RunLogTest, TimeStampIsZeroPaddedAndUsesTheLocaleSeparator) {
  TRunLog log(LogPath(), false, kProgramLimit);
  now = {2005, 1, 2, 3, 4, 9};
  separator = ".";
  log.Add("early", 1);
  now = {2100, 12, 31, 23, 59, 59};
  separator = " h ";
  log.Add("late", 1);
  EXPECT_EQ(LogFile(), "Info\t[00-12-31 23 h 59 h 59]\tlate\r\n"
                       "Info\t[05-01-02 03.04.09]\tearly\r\n");
}

TEST_F(RunLogTest, LevelsAboveTwoAreErrorsAndLevelZeroOrBelowIsSkippedUnlessVerbose) {
  int saves = 0;
  CurrentRunLogOs().files.writeNewFile = [&saves, real = CurrentRunLogOs().files.writeNewFile](
                                             const NativePath& path, std::string_view bytes) {
    ++saves;
    return real(path, bytes);
  };
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("hidden", 0);
  log.Add("negative", -1);
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_EQ(saves, 0);
  EXPECT_FALSE(std::filesystem::exists(LogPath()));

  log.Add("seven", 7);
  log.Add("largest", INT32_MAX);
  log.Add("info", 1);
  log.Add("smallest", INT32_MIN);
  log.Add("zero", 0);
  EXPECT_EQ(saves, 3);  // a skipped entry does not touch the file
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tinfo\r\n"
                       "Error\t[24-05-17 10:31:05]\tlargest\r\n"
                       "Error\t[24-05-17 10:31:05]\tseven\r\n");

  TRunLog verbose(LogPath(), true, kProgramLimit);
  verbose.Add("zero", 0);
  verbose.Add("negative", -5);
  EXPECT_EQ(LogFile(), "Verbose\t[24-05-17 10:31:05]\tnegative\r\n"
                       "Verbose\t[24-05-17 10:31:05]\tzero\r\n");
}

TEST_F(RunLogTest, The10001stEntryDropsTheOldest) {
  // Writing 10000 growing files for real would take minutes: the first saves go nowhere.
  const RunLogOs platform = CurrentRunLogOs();
  CurrentRunLogOs().files.writeNewFile = [](const NativePath&, std::string_view) { return 0u; };
  CurrentRunLogOs().files.moveOver = [](const NativePath&, const NativePath&) { return 0u; };
  TRunLog log(LogPath(), false, kProgramLimit);
  for (int i = 1; i <= kProgramLimit; ++i) log.Add("entry " + std::to_string(i), 1);
  ASSERT_EQ(log.Lines().size(), 10000u);

  CurrentRunLogOs() = platform;
  log.Add("entry 10001", 1);
  std::string expected;
  for (int i = 10001; i >= 2; --i)
    expected += "Info\t[24-05-17 10:31:05]\tentry " + std::to_string(i) + "\r\n";
  EXPECT_EQ(LogFile(), expected);
  EXPECT_EQ(log.Lines().size(), 10000u);
}

TEST_F(RunLogTest, AnEntryWithLineBreaksCountsOnceAndAnEmptyMessageEndsWithTheTab) {
  TRunLog log(LogPath(), false, 2);
  log.Add("older", 1);
  log.Add("first line\r\nsecond line", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tfirst line\r\nsecond line\r\n"
                       "Info\t[24-05-17 10:31:05]\tolder\r\n");
  log.Add("", 2);  // the limit of two drops "older", the one-entry pair of lines stays
  EXPECT_EQ(LogFile(), "Error\t[24-05-17 10:31:05]\t\r\n"
                       "Info\t[24-05-17 10:31:05]\tfirst line\r\nsecond line\r\n");
  EXPECT_EQ(log.Lines().size(), 2u);
}

TEST_F(RunLogTest, ALimitOfOneKeepsTheNewestAndALimitOfZeroKeepsNothing) {
  TRunLog one(LogPath(), false, 1);
  one.Add("a", 1);
  one.Add("b", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tb\r\n");
  TRunLog none(LogPath(), false, 0);
  none.Add("c", 1);
  EXPECT_TRUE(none.Lines().empty());
  EXPECT_EQ(LogFile(), "");
}

TEST_F(RunLogTest, ANewRunReplacesThePreviousRunsFileOnItsFirstEntry) {
  {
    TRunLog first(LogPath(), false, kProgramLimit);
    first.Add("Starting", 1);
    first.Add("first run", 1);
  }
  TRunLog second(LogPath(), false, kProgramLimit);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tfirst run\r\n"
                       "Info\t[24-05-17 10:31:05]\tStarting\r\n");  // creating reads nothing
  now.hour = 11;
  second.Add("Starting", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 11:31:05]\tStarting\r\n");
}

TEST_F(RunLogTest, AFailedWriteIsCaughtUpByTheNextAddInItsPlace) {
  bool diskFull = false;
  const auto realWrite = CurrentRunLogOs().files.writeNewFile;
  // A full disk: each temporary file gets half of its content, then the write fails.
  CurrentRunLogOs().files.writeNewFile = [&diskFull, realWrite](const NativePath& path,
                                                                std::string_view bytes) {
    if (!diskFull) return realWrite(path, bytes);
    realWrite(path, bytes.substr(0, bytes.size() / 2));
    return kAccessDenied;
  };
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("one", 1);
  diskFull = true;
  log.Add("two", 1);
  diskFull = false;
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tone\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{kLogName});
  EXPECT_EQ(log.Lines().size(), 2u);
  log.Add("three", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tthree\r\n"
                       "Info\t[24-05-17 10:31:05]\ttwo\r\n"
                       "Info\t[24-05-17 10:31:05]\tone\r\n");
}

TEST_F(RunLogTest, AFailedReplaceKeepsThePreviousFileAndRemovesTheTemporaryOne) {
  int moves = 0;
  CurrentRunLogOs().files.moveOver = FailingOnCall(2, CurrentRunLogOs().files.moveOver, moves);
  CurrentRunLogOs().files.mayPass = [](uint32_t) { return false; };  // waiting would not help
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("one", 1);
  log.Add("two", 2);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tone\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{kLogName});
  log.Add("three", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tthree\r\n"
                       "Error\t[24-05-17 10:31:05]\ttwo\r\n"
                       "Info\t[24-05-17 10:31:05]\tone\r\n");
}

TEST_F(RunLogTest, AFolderInTheLogsPlaceMakesTheReplaceFailUntilItIsGone) {
  std::filesystem::create_directory(LogPath());
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("blocked", 1);
  EXPECT_TRUE(std::filesystem::is_directory(LogPath()));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{kLogName});  // the temporary file is gone
  std::filesystem::remove(LogPath());
  log.Add("free", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tfree\r\n"
                       "Info\t[24-05-17 10:31:05]\tblocked\r\n");
}

TEST_F(RunLogTest, ABlockedTemporaryNameStopsNoSave) {
  // Something in the way of what used to be the one temporary name: a folder, or a file that
  // another program holds open.
  std::filesystem::create_directory(std::filesystem::path(LogPath() + NativeText(".tmp")));
  TRunLog log(LogPath(), false, kProgramLimit);
  log.Add("one", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tone\r\n");

  // Every save picks a fresh name, and a save whose name is taken tries another at once.
  std::vector<NativePath> names;
  CurrentRunLogOs().files.writeNewFile = [&names, real = CurrentRunLogOs().files.writeNewFile](
                                             const NativePath& path, std::string_view bytes) {
    names.push_back(path);
    return names.size() == 1 ? kAccessDenied : real(path, bytes);
  };
  log.Add("two", 1);
  log.Add("three", 1);
  EXPECT_EQ(LogFile(), "Info\t[24-05-17 10:31:05]\tthree\r\n"
                       "Info\t[24-05-17 10:31:05]\ttwo\r\n"
                       "Info\t[24-05-17 10:31:05]\tone\r\n");
  ASSERT_EQ(names.size(), 3u);
  EXPECT_NE(names[0], names[1]);
  EXPECT_NE(names[1], names[2]);
  EXPECT_NE(names[0], names[2]);
  EXPECT_EQ(folder.Names().size(), 2u);  // the log and the folder in the way, nothing else
}

TEST_F(RunLogTest, AMissingFolderIsNeverCreatedAndItsEntriesWaitInTheList) {
  const std::filesystem::path missing = folder.Path() / "missing";
  const NativePath path = (missing / kLogName).native();
  TRunLog log(path, false, kProgramLimit);
  log.Add("one", 1);
  log.Add("two", 1);
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_EQ(log.Lines().size(), 2u);

  std::filesystem::create_directory(missing);  // the folder appears later in the run
  log.Add("three", 1);
  EXPECT_EQ(ReadWholeFile(path), "Info\t[24-05-17 10:31:05]\tthree\r\n"
                                 "Info\t[24-05-17 10:31:05]\ttwo\r\n"
                                 "Info\t[24-05-17 10:31:05]\tone\r\n");
}

TEST_F(RunLogTest, OpenLogFileAsksTheShellToOpenTheLogFile) {
  std::vector<ShellRequest> requests;
  SetShellOpenHook([&](const ShellRequest& request) {
    requests.push_back(request);
    return false;
  });
  TRunLog log(LogPath(), true, 25);
  EXPECT_FALSE(log.OpenLogFile());  // the shell's answer, passed on
  SetShellOpenHook(nullptr);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].path, LogPath());  // as given: never converted to another code page
  EXPECT_TRUE(requests[0].target.empty());
  EXPECT_TRUE(requests[0].viaShellExecuteEx);
  EXPECT_EQ(log.FileName(), LogPath());
  EXPECT_TRUE(log.Verbose());
  EXPECT_EQ(log.MaxLines(), 25);
  EXPECT_FALSE(std::filesystem::exists(LogPath()));  // opening creates nothing
}
