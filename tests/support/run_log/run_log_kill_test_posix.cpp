// A program killed while it saves its log must leave the previous complete file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "support/run_log/run_log.h"
#include "support/run_log/run_log_os.h"
#include "support/run_log/run_log_test_support.h"

namespace {
constexpr char kStamp[] = "Info\t[24-05-17 10:31:05]\t";

void FixClock() {
  CurrentRunLogOs().localNow = [] { return RunLogTime{2024, 5, 17, 10, 31, 5}; };
  CurrentRunLogOs().timeSeparator = [] { return std::string(":"); };
}

// Waits for the child and tells whether SIGKILL ended it.
bool EndedBySigkill(pid_t child) {
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// True when the text is a complete log of entries "entry N", N counting down by one.
bool IsCompleteCountdown(const std::string& text) {
  size_t pos = 0;
  long expected = -1;
  while (pos < text.size()) {
    const size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) return false;
    const std::string line = text.substr(pos, end - pos);
    const std::string head = std::string(kStamp) + "entry ";
    if (line.compare(0, head.size(), head) != 0) return false;
    const long n = std::stol(line.substr(head.size()));
    if (expected != -1 && n != expected) return false;
    expected = n - 1;
    pos = end + 2;
  }
  return !text.empty();
}
}  // namespace

TEST(RunLogKilled, DyingHalfwayThroughTheWriteLeavesThePreviousFile) {
  ScopedRunLogOs restoreOs;
  TempFolder folder;
  FixClock();
  const std::string path = folder.File("Modulix.log");
  TRunLog log(path, false, 10000);
  log.Add("one", 1);
  log.Add("two", 1);
  const auto before = ReadFileText(path);

  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const auto realWrite = CurrentRunLogOs().files.writeNewFile;
    CurrentRunLogOs().files.writeNewFile = [realWrite](const NativePath& p, std::string_view bytes) {
      realWrite(p, bytes.substr(0, bytes.size() / 2));
      raise(SIGKILL);
      return 0u;
    };
    log.Add("three", 1);
    _exit(0);  // reached only if the save never wrote
  }
  ASSERT_TRUE(EndedBySigkill(child));
  EXPECT_EQ(ReadFileText(path), before);

  // The dead writer's half file stays beside the log under a name of its own: the next save
  // neither reuses it nor takes it for the log.
  log.Add("four", 1);
  EXPECT_EQ(ReadFileText(path), std::string(kStamp) + "four\r\n" + kStamp + "two\r\n" + kStamp +
                                     "one\r\n");
  std::vector<std::string> names = folder.Names();
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], "Modulix.log");
  EXPECT_TRUE(names[1].starts_with("Modulix.log.") && names[1].ends_with(".tmp")) << names[1];
  const auto leftover = ReadFileText(folder.File(names[1]));
  EXPECT_EQ(leftover->size(), (before->size() + std::string(kStamp).size() + 7) / 2);
}

TEST(RunLogKilled, KillingAWriterAtRandomMomentsAlwaysLeavesACompleteFile) {
  ScopedRunLogOs restoreOs;
  TempFolder folder;
  FixClock();
  const std::string path = folder.File("Modulix.log");
  for (int round = 0; round < 5; ++round) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      TRunLog log(path, false, 3000);  // saves of up to 120 KB, long enough to be hit mid-way
      for (long n = 1;; ++n) log.Add("entry " + std::to_string(n), 1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(150 + 70 * round));
    kill(child, SIGKILL);
    ASSERT_TRUE(EndedBySigkill(child));
    const auto text = ReadFileText(path);
    ASSERT_TRUE(text.has_value()) << "round " << round;
    EXPECT_TRUE(IsCompleteCountdown(*text)) << "round " << round << ", " << text->size()
                                            << " bytes";
  }
}
