// The downloader on Windows: the ANSI file functions, the system error codes, and a stalled
// server given up after the download's 10 seconds while the thread's timers keep ticking.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "file_grabber_test_support.h"
#include "http_test_server.h"
#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"

namespace {
int gTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++gTicks; }
}  // namespace

TEST(FileGrabberWin32Test, ReplacesTheFileAndReportsWriteErrorsWithTheSystemCode) {
  TTestServer site([](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) connection.Send(Answer("200 OK", "[links]"));
  });
  TGrabberFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);
  WriteFileText(folder.File("modulix.ini"), "old");
  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr);
  EXPECT_EQ(ReadFileText(folder.File("modulix.ini")), std::optional<std::string>("[links]"));
  EXPECT_EQ(folder.Count(), 2u);

  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("missing\\modulix.ini"), nullptr);
  ASSERT_GE(log.Lines().size(), 3u);
  EXPECT_EQ(LevelsAndMessages(log.Lines())[0], "Error: File downloaded : Write error (3)");  // path not found
}

TEST(FileGrabberWin32Test, AStalledServerIsGivenUpAfterTenSecondsWhileTimersTick) {
  TTestServer site([](TTestConnection& connection) {
    connection.ReadRequest();
    connection.WaitForClose();
  });
  TGrabberFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);  // proxy settings from the registry: none here
  gTicks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 500, CountTick);
  const auto start = std::chrono::steady_clock::now();
  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr);
  const auto waited = std::chrono::steady_clock::now() - start;
  KillTimer(nullptr, timer);

  EXPECT_EQ(LevelsAndMessages(log.Lines()), std::vector<std::string>{"Error: File downloaded : Server error (8)"});
  EXPECT_GE(waited, std::chrono::milliseconds(9500));  // the download's 10 s, not the client's 3 s
  EXPECT_LT(waited, std::chrono::seconds(30));
  EXPECT_GE(gTicks, 10);
  EXPECT_FALSE(ReadFileText(folder.File("modulix.ini")));
}
