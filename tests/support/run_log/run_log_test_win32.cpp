// The run log on Windows itself: the locale's time separator, the local clock, and a log file
// that another program holds open or that the user made read-only.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "support/run_log/run_log.h"
#include "support/run_log/run_log_os.h"
#include "support/run_log/run_log_test_support.h"

namespace {
constexpr char kStampedAt[] = "Info\t[24-05-17 10:31:05]\t";
constexpr int kLocaleTextCapacity = 16;

class Handle {
 public:
  explicit Handle(HANDLE handle) : FHandle(handle) {}
  ~Handle() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return FHandle; }
  void Close() { CloseHandle(std::exchange(FHandle, INVALID_HANDLE_VALUE)); }

 private:
  HANDLE FHandle;
};

// Changes the user's time separator for the test and puts the old one back afterwards.
class ScopedTimeSeparator {
 public:
  explicit ScopedTimeSeparator(const char* separator) {
    char old[kLocaleTextCapacity] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, old, kLocaleTextCapacity);
    FOld = old;
    FChanged = SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, separator) != FALSE;
  }
  ~ScopedTimeSeparator() {
    if (FChanged) SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, FOld.c_str());
  }
  bool Changed() const { return FChanged; }

 private:
  std::string FOld;
  bool FChanged = false;
};

std::string StampOf(const SYSTEMTIME& t, const std::string& separator) {
  char stamp[64];
  snprintf(stamp, sizeof stamp, "[%02d-%02d-%02d %02d%s%02d%s%02d]", t.wYear % 100, t.wMonth,
           t.wDay, t.wHour, separator.c_str(), t.wMinute, separator.c_str(), t.wSecond);
  return stamp;
}

class RunLogWin32Test : public ::testing::Test {
 protected:
  void FixClock() {
    CurrentRunLogOs().localNow = [] { return RunLogTime{2024, 5, 17, 10, 31, 5}; };
    CurrentRunLogOs().timeSeparator = [] { return std::string(":"); };
  }
  NativePath LogPath() const { return folder.File("Modulix.log").native(); }

  ScopedRunLogOs restoreOs;
  TempFolder folder;
};
}  // namespace

TEST_F(RunLogWin32Test, TimeStampUsesTheLocalClockAndTheUsersTimeSeparator) {
  ScopedTimeSeparator dot(".");
  ASSERT_TRUE(dot.Changed());
  TRunLog log(LogPath(), false, 10000);
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  log.Add("Starting", 1);
  GetLocalTime(&after);

  const auto text = ReadFileText(LogPath());
  ASSERT_TRUE(text.has_value());
  const std::string tail = "\tStarting\r\n";
  EXPECT_TRUE(*text == "Info\t" + StampOf(before, ".") + tail ||
              *text == "Info\t" + StampOf(after, ".") + tail)
      << *text;
}

TEST_F(RunLogWin32Test, AnEntrySavedWhileAnotherProgramHoldsTheLogReachesItWithTheNextAdd) {
  FixClock();
  TRunLog log(LogPath(), false, 10000);
  log.Add("one", 1);
  // An editor that opened the log without FILE_SHARE_DELETE: the log cannot be replaced.
  Handle holder(CreateFileW(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_NE(holder.Get(), INVALID_HANDLE_VALUE);
  log.Add("two", 1);
  EXPECT_EQ(ReadFileText(LogPath()), std::string(kStampedAt) + "one\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Modulix.log"});

  holder.Close();
  log.Add("three", 1);
  EXPECT_EQ(ReadFileText(LogPath()), std::string(kStampedAt) + "three\r\n" + kStampedAt +
                                          "two\r\n" + kStampedAt + "one\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Modulix.log"});
}

TEST_F(RunLogWin32Test, AReadOnlyLogIsLeftAloneUntilItCanBeWrittenAgain) {
  FixClock();
  TRunLog log(LogPath(), false, 10000);
  log.Add("one", 1);
  ASSERT_TRUE(SetFileAttributesW(LogPath().c_str(), FILE_ATTRIBUTE_READONLY));
  log.Add("two", 1);
  EXPECT_EQ(ReadFileText(LogPath()), std::string(kStampedAt) + "one\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Modulix.log"});

  ASSERT_TRUE(SetFileAttributesW(LogPath().c_str(), FILE_ATTRIBUTE_NORMAL));
  log.Add("three", 1);
  EXPECT_EQ(ReadFileText(LogPath()), std::string(kStampedAt) + "three\r\n" + kStampedAt +
                                          "two\r\n" + kStampedAt + "one\r\n");
}

TEST_F(RunLogWin32Test, AFolderNamedOutsideTheAnsiCodePageHoldsTheLog) {
  FixClock();
  const std::filesystem::path cyrillic = folder.Path() / L"\u0414\u043c\u0438\u0442\u0440\u0438\u0439";
  std::filesystem::create_directory(cyrillic);
  const NativePath path = (cyrillic / "Modulix.log").native();
  TRunLog log(path, false, 10000);
  log.Add("one", 1);
  log.Add("two", 1);
  EXPECT_EQ(ReadFileText(path), std::string(kStampedAt) + "two\r\n" + kStampedAt + "one\r\n");
  EXPECT_EQ(log.FileName(), path);
}
