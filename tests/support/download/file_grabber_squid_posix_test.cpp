// The downloader through a real proxy: Debian's squid, started here on a loopback port with a
// generated configuration (tests/support/http/squid_proxy.sh), asking for Basic or Digest
// proxy authentication, in front of a loopback test server.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "build_config.h"
#include "file_grabber_test_support.h"
#include "support/http/http_test_server.h"
#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"

extern char** environ;

namespace {

constexpr auto kStartLimit = std::chrono::seconds(30);
constexpr auto kStopLimit = std::chrono::seconds(10);
const char kLinks[] = "[links]\r\nram=http://www.tervane.example/buy\r\n";

bool CanConnect(uint16_t port) {
  try {
    TSocket socket = TSocket::OpenTcp();
    if (socket.StartConnect({kIpv4Loopback, port})) return true;
    return socket.Wait(TSocket::TWaitFor::Write, 200) && socket.ConnectResult() == 0;
  } catch (const ESocketError&) {
    return false;
  }
}

// A squid process of this test, stopped (and its folder removed) on destruction.
class TSquid {
 public:
  TSquid(const std::string& scheme, const std::string& user, const std::string& password) {
    TSocket::ListenLoopback(FPort);  // a free port, released at once for squid
    const std::string script =
        std::string(MODULIX_SOURCE_DIR) + "/tests/support/http/squid_proxy.sh";
    const std::string port = std::to_string(FPort), log = FFolder.File("squid.out");
    std::vector<std::string> args = {"/bin/bash", script, FFolder.File(""), port, scheme, user, password};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned = posix_spawn(&FPid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) FPid = -1;
  }

  ~TSquid() {
    if (FPid <= 0) return;
    kill(FPid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kStopLimit;
    while (waitpid(FPid, nullptr, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(FPid, SIGKILL);
        waitpid(FPid, nullptr, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }

  // Waits until squid accepts connections; false (with its output) when it ended or took too long.
  bool WaitReady(std::string& output) {
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (FPid > 0 && std::chrono::steady_clock::now() < deadline) {
      if (CanConnect(FPort)) return true;
      if (waitpid(FPid, nullptr, WNOHANG) == FPid) {
        FPid = -1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    output = ReadFileText(FFolder.File("squid.out")).value_or("") + ReadFileText(FFolder.File("cache.log")).value_or("");
    return false;
  }

  uint16_t Port() const { return FPort; }

 private:
  TempFolder FFolder;
  uint16_t FPort = 0;
  pid_t FPid = -1;
};

class FileGrabberSquidTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (access("/usr/sbin/squid", X_OK) != 0) GTEST_SKIP() << "squid is not installed (scripts/bootstrap installs it)";
  }

  // Downloads the links file through squid with these credentials; the log's messages.
  std::vector<std::string> Download(uint16_t proxyPort, const std::string& url, const std::string& password) {
    TRunLog log(FFolder.File("Modulix.log"), false, 10000);
    TFileGrabber grabber(&log);
    grabber.SetSettingsReader([&](const std::string& name) -> std::string {
      if (name == "UseHTTPProxy") return "1";
      if (name == "HTTPProxyHost") return "127.0.0.1";
      if (name == "HTTPProxyPort") return std::to_string(proxyPort);
      if (name == "HTTPProxyUserName") return "alice";
      return password;
    });
    grabber.Download(url, FFolder.File("modulix.ini"), nullptr);
    return LevelsAndMessages(log.Lines());
  }

  TempFolder FFolder;
};

}  // namespace

TEST_P(FileGrabberSquidTest, FetchesWithTheRightCredentialsAndFailsWithWrongOnes) {
  TTestServer site(AnswerEvery(kLinks));
  TSquid squid(GetParam(), "alice", "right password");
  std::string output;
  ASSERT_TRUE(squid.WaitReady(output)) << output;

  const auto failed = Download(squid.Port(), site.Url("/modulix/modulix.ini"), "wrong password");
  EXPECT_EQ(failed, std::vector<std::string>{"Error: File downloaded : Server error (407)"});
  EXPECT_FALSE(ReadFileText(FFolder.File("modulix.ini")));
  EXPECT_TRUE(site.Requests().empty());

  const auto fetched = Download(squid.Port(), site.Url("/modulix/modulix.ini"), "right password");
  ASSERT_EQ(fetched.size(), 1u);
  EXPECT_EQ(fetched[0].rfind("Info: File downloaded in ", 0), 0u) << fetched[0];
  EXPECT_EQ(ReadFileText(FFolder.File("modulix.ini")), std::optional<std::string>(kLinks));
  ASSERT_EQ(site.Requests().size(), 1u);
  EXPECT_EQ(RequestHeader(site.Requests()[0], "Proxy-Authorization"), "");  // squid keeps it
}

INSTANTIATE_TEST_SUITE_P(Schemes, FileGrabberSquidTest, ::testing::Values("basic", "digest"));

TEST(FileGrabberSquidNtlmTest, NtlmHandshakeGoesThroughSquid) {
  if (access("/usr/sbin/squid", X_OK) != 0) GTEST_SKIP() << "squid is not installed (scripts/bootstrap installs it)";
  TTestServer site(AnswerEvery(kLinks));
  TSquid squid("ntlm", "", "");
  std::string output;
  ASSERT_TRUE(squid.WaitReady(output)) << output;
  TempFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);
  grabber.SetSettingsReader([&](const std::string& name) -> std::string {
    if (name == "UseHTTPProxy") return "1";
    if (name == "HTTPProxyHost") return "127.0.0.1:" + std::to_string(squid.Port());
    return name == "HTTPProxyUserName" ? "DOM\\alice" : "secret";
  });
  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr);
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(LevelsAndMessages(log.Lines())[0].rfind("Info: File downloaded in ", 0), 0u) << log.Lines()[0];
  EXPECT_EQ(ReadFileText(folder.File("modulix.ini")), std::optional<std::string>(kLinks));
}
