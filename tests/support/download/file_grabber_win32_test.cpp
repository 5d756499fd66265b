// The downloader on Windows: the file functions, the system error codes, and a stalled server
// given up while the thread's timers keep ticking.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "common/stepping_clock.h"
#include "file_grabber_test_support.h"
#include "support/http/http_test_server.h"
#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"
#include "support/system/registry.h"
#include "support/system/registry_key_win32.h"

namespace {
int gTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++gTicks; }

// The settings of this run go to a key of their own, removed afterwards.
class TThrowawayVendorKey {
 public:
  TThrowawayVendorKey() : FPath("SOFTWARE\\ModulixGrabberTest" + std::to_string(GetCurrentProcessId())) {
    SetVendorKeyPath(FPath);
  }
  ~TThrowawayVendorKey() {
    SetVendorKeyPath("");
    RegDeleteTreeA(HKEY_CURRENT_USER, FPath.c_str());
  }
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};
}  // namespace

TEST(FileGrabberWin32Test, ReplacesTheFileAndReportsWriteErrorsWithTheSystemCode) {
  TTestServer site(AnswerEvery("[links]"));
  TempFolder folder;
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

TEST(FileGrabberWin32Test, AStalledServerIsGivenUpWhileTimersTick) {
  TTestServer site(NeverAnswer());
  TempFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);  // proxy settings from the registry: none here
  // Ten seconds of silence pass in about 40 readings of the clock, some 40 socket waits.
  TSteppingClock clock(std::chrono::milliseconds(250));
  grabber.SetClock(clock.Reader());
  gTicks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CountTick);
  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr);
  KillTimer(nullptr, timer);

  EXPECT_EQ(LevelsAndMessages(log.Lines()), std::vector<std::string>{"Error: File downloaded : Server error (8)"});
  EXPECT_GT(gTicks, 0);
  EXPECT_FALSE(ReadFileText(folder.File("modulix.ini")));
}

// Another program's proxy values in the real registry, one of them stored as a DWORD.
TEST(FileGrabberWin32Test, AProxyValueThatIsNotAStringIsIgnoredWithOneErrorAndTheDownloadGoesOn) {
  const TThrowawayVendorKey vendorKey;
  const RegistryKey quorin = RegistryKey::Create(HKEY_CURRENT_USER, vendorKey.Path() + "\\Quorin", KEY_ALL_ACCESS);
  ASSERT_TRUE(quorin);
  const auto setDword = [&](const char* name) {
    const DWORD one = 1;
    RegSetValueExA(quorin.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  };
  const auto setString = [&](const char* name, const std::string& text) {
    RegSetValueExA(quorin.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
  };
  TTestServer site(AnswerEvery("[links]"));
  TTestServer proxy(AnswerEvery("proxy"));
  TempFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);
  setDword("UseHTTPProxy");
  setString("HTTPProxyHost", "127.0.0.1");
  setString("HTTPProxyPort", std::to_string(proxy.Port()));
  EXPECT_NO_THROW(grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr));
  auto lines = LevelsAndMessages(log.Lines());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "Error: Proxy setting ignored : UseHTTPProxy is not a string");
  EXPECT_EQ(lines[0].rfind("Info: File downloaded in ", 0), 0u);
  EXPECT_EQ(ReadFileText(folder.File("modulix.ini")), std::optional<std::string>("[links]"));

  // Switched on, with a host that is not a string: direct as well.
  setString("UseHTTPProxy", "1");
  setDword("HTTPProxyHost");
  EXPECT_NO_THROW(grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr));
  lines = LevelsAndMessages(log.Lines());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "Error: Proxy setting ignored : HTTPProxyHost is not a string");
  EXPECT_EQ(site.Requests().size(), 2u);
  EXPECT_TRUE(proxy.Requests().empty());
}
