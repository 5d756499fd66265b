#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <regex>
#include <thread>

#include "common/stepping_clock.h"
#include "file_grabber_test_support.h"
#include "support/http/http_test_server.h"
#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"

namespace {

const char kLinks[] = "[links]\r\nram=http://www.tervane.example/buy\r\n";
const char kExpectedRequestTail[] =
    " HTTP/1.1\r\n"
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
    "Accept-Language: fr,fr-fr;q=0.8,en-us;q=0.5,en;q=0.3\r\n"
    "User-Agent: Mozilla/5.0\r\n";

// Serves the links file at /modulix/modulix.ini and answers anything else as the path says:
// /status/404, /truncated, /portal (a captive portal's page), /closed-early (no length, cut).
TTestServer::TScript Site() {
  return [](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      if (request.find("/modulix/modulix.ini ") != std::string::npos)
        connection.Send(Answer("200 OK", kLinks));
      else if (request.find(" /status/") != std::string::npos)
        connection.Send(Answer(request.substr(12, 3) + " Status", "<html>error page</html>"));
      else if (request.find(" /truncated ") != std::string::npos) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n[links]\r\nram=");
        return;
      } else if (request.find(" /portal ") != std::string::npos)
        connection.Send(Answer("200 OK", "<html>Sign in to the hotel network</html>\r\n"));
      else if (request.find(" /closed-early ") != std::string::npos) {
        connection.Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n[links]\r\nram=http://");
        return;
      } else
        connection.Send(Answer("200 OK", ""));
    }
  };
}

class FileGrabberTest : public ::testing::Test {
 protected:
  FileGrabberTest() : FLog(FFolder.File("Modulix.log"), false, 10000), FGrabber(&FLog) {
    FGrabber.SetSettingsReader([this](const std::string& name) {
      FRead.push_back(name);
      const auto found = FSettings.find(name);
      return found == FSettings.end() ? std::string() : found->second;
    });
  }

  void Download(const std::string& url, const std::string& target) {
    FDone = 0;
    FGrabber.Download(url, target, nullptr, [this](TFileGrabber* sender) {
      EXPECT_EQ(sender, &FGrabber);
      ++FDone;
    });
    EXPECT_EQ(FDone, 1);  // OnDone runs once, whatever the outcome
  }

  std::vector<std::string> Log() const { return LevelsAndMessages(FLog.Lines()); }

  TempFolder FFolder;
  TRunLog FLog;
  TFileGrabber FGrabber;
  std::map<std::string, std::string> FSettings;
  std::vector<std::string> FRead;
  int FDone = 0;
};

}  // namespace

TEST_F(FileGrabberTest, DownloadsTheFileWithTheProgramsRequestAndLogsTheTime) {
  TTestServer site(Site());
  const std::string target = FFolder.File("modulix.ini");
  WriteFileText(target, "old links");
  Download(site.Url("/modulix/modulix.ini"), target);

  EXPECT_EQ(ReadFileText(target), std::optional<std::string>(kLinks));
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_TRUE(std::regex_match(Log()[0], std::regex("Info: File downloaded in -?[0-9]+ms"))) << Log()[0];
  ASSERT_EQ(site.Requests().size(), 1u);
  EXPECT_EQ(site.Requests()[0], "GET /modulix/modulix.ini" + std::string(kExpectedRequestTail) +
                                    "Host: 127.0.0.1:" + std::to_string(site.Port()) + "\r\n\r\n");
  EXPECT_EQ(FFolder.Count(), 2u);  // the log and the file: no temporary file left
}

TEST_F(FileGrabberTest, AnErrorStatusIsAnErrorAndKeepsTheLastGoodFile) {
  TTestServer site(Site());
  const std::string target = FFolder.File("modulix.ini");
  WriteFileText(target, "last good links");
  Download(site.Url("/status/404"), target);
  Download(site.Url("/status/500"), target);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Error: File downloaded : Server error (500)",
                                             "Error: File downloaded : Server error (404)"}));
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>("last good links"));
}

TEST_F(FileGrabberTest, TransferFailuresAreLoggedWithTheirCodeAndKeepTheFile) {
  TTestServer site(Site());
  const std::string target = FFolder.File("modulix.ini");
  WriteFileText(target, "last good links");
  Download(site.Url("/truncated"), target);
  uint16_t closedPort = 0;
  TSocket::ListenLoopback(closedPort);
  Download("http://127.0.0.1:" + std::to_string(closedPort) + "/modulix/modulix.ini", target);
  Download("http://links.invalid/modulix/modulix.ini", target);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Error: File downloaded : Server error (11001)",
                                             "Error: File downloaded : Server error (10061)",
                                             "Error: File downloaded : Server error (10101)"}));
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>("last good links"));
}

TEST_F(FileGrabberTest, ADownloadPastItsDeadlineEndsLikeATimeoutAndKeepsTheFile) {
  TTestServer site([](TTestConnection& connection) {
    if (connection.ReadRequest().empty()) return;
    connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n[links]");
    for (int i = 0; i < 33 && !connection.Stopping() && connection.Send("\n"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));  // well within the 10 s of silence
  });
  const std::string target = FFolder.File("modulix.ini");
  WriteFileText(target, "last good links");
  FGrabber.SetExchangeDeadline(std::chrono::milliseconds(300));
  Download(site.Url("/modulix/modulix.ini"), target);
  EXPECT_EQ(Log(), std::vector<std::string>{"Error: File downloaded : Server error (8)"});
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>("last good links"));
  EXPECT_EQ(FFolder.Count(), 2u);
}

TEST_F(FileGrabberTest, ABodyTheCheckRefusesIsAnErrorAndKeepsTheLastGoodFile) {
  TTestServer site(Site());
  const std::string target = FFolder.File("modulix.ini");
  WriteFileText(target, "last good links");
  FGrabber.SetBodyCheck([](std::string_view body) {
    return body.substr(0, 9) == "[links]\r\n" && body.back() == '\n' ? "" : "bad " + std::string(body.substr(0, 6));
  });
  Download(site.Url("/portal"), target);
  Download(site.Url("/closed-early"), target);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Error: File downloaded : Refused (bad [links)",
                                             "Error: File downloaded : Refused (bad <html>)"}));
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>("last good links"));
  Download(site.Url("/modulix/modulix.ini"), target);
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>(kLinks));
}

TEST_F(FileGrabberTest, ASilentServerIsGivenTenSecondsNotTheClientsThree) {
  TTestServer site(NeverAnswer());
  TSteppingClock clock(std::chrono::milliseconds(250));
  FGrabber.SetClock(clock.Reader());
  Download(site.Url("/modulix/modulix.ini"), FFolder.File("modulix.ini"));
  EXPECT_EQ(Log(), std::vector<std::string>{"Error: File downloaded : Server error (8)"});
  EXPECT_GE(clock.Elapsed(), std::chrono::seconds(10));
  EXPECT_LT(clock.Elapsed(), std::chrono::seconds(kHttpExchangeDeadlineSeconds));
}

TEST_F(FileGrabberTest, AFileThatCannotBeWrittenIsAWriteError) {
  TTestServer site(Site());
  Download(site.Url("/modulix/modulix.ini"), FFolder.File("missing-folder/modulix.ini"));
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0], "Error: File downloaded : Write error (2)");  // ENOENT
  EXPECT_EQ(Log()[1].rfind("Info: File downloaded in ", 0), 0u);
}

TEST_F(FileGrabberTest, ProxyIsUsedOnlyWhenSwitchedOnExactlyWithAHost) {
  TTestServer site(Site());
  TTestServer proxy(Site());
  const std::string target = FFolder.File("modulix.ini");
  FSettings = {{"HTTPProxyHost", "127.0.0.1"}, {"HTTPProxyPort", std::to_string(proxy.Port())}};
  for (const char* off : {"", "0", "true", " 1", "1 "}) {
    FSettings["UseHTTPProxy"] = off;
    FRead.clear();
    Download(site.Url("/modulix/modulix.ini"), target);
    EXPECT_EQ(FRead, std::vector<std::string>{"UseHTTPProxy"}) << "'" << off << "'";
  }
  FSettings.erase("UseHTTPProxy");
  Download(site.Url("/modulix/modulix.ini"), target);
  EXPECT_EQ(site.Requests().size(), 6u);
  EXPECT_TRUE(proxy.Requests().empty());

  FSettings["UseHTTPProxy"] = "1";
  FRead.clear();
  Download("http://www.tervane.example/modulix/modulix.ini", target);
  EXPECT_EQ(FRead, (std::vector<std::string>{"UseHTTPProxy", "HTTPProxyHost", "HTTPProxyPort", "HTTPProxyUserName",
                                             "HTTPProxyPassword"}));
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0], "GET http://www.tervane.example/modulix/modulix.ini" + std::string(kExpectedRequestTail) +
                                     "Host: www.tervane.example\r\n\r\n");
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>(kLinks));

  // A port in the host value wins over a port value that is not a number.
  FSettings["HTTPProxyHost"] = "127.0.0.1:" + std::to_string(proxy.Port());
  FSettings["HTTPProxyPort"] = "abc";
  Download("http://www.tervane.example/modulix/modulix.ini", target);
  EXPECT_EQ(proxy.Requests().size(), 2u);

  FSettings["HTTPProxyHost"] = "";  // switched on without a host: direct
  Download(site.Url("/modulix/modulix.ini"), target);
  EXPECT_EQ(site.Requests().size(), 7u);
  EXPECT_EQ(proxy.Requests().size(), 2u);
}

TEST_F(FileGrabberTest, ASettingOfAnotherTypeIsIgnoredWithOneErrorAndTheDownloadGoesOn) {
  TTestServer site(Site());
  TTestServer proxy(Site());
  const std::string target = FFolder.File("modulix.ini");
  // The reader refuses this value as stored with another type; the others come from FSettings.
  std::string refused = "UseHTTPProxy";
  FGrabber.SetSettingsReader([&](const std::string& name) {
    if (name == refused) throw ESettingNotString(name);
    const auto found = FSettings.find(name);
    return found == FSettings.end() ? std::string() : found->second;
  });
  FSettings = {{"HTTPProxyHost", "127.0.0.1"}, {"HTTPProxyPort", std::to_string(proxy.Port())}};
  Download(site.Url("/modulix/modulix.ini"), target);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[1], "Error: Proxy setting ignored : UseHTTPProxy is not a string");
  EXPECT_EQ(Log()[0].rfind("Info: File downloaded in ", 0), 0u);
  EXPECT_EQ(site.Requests().size(), 1u);  // direct
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>(kLinks));

  // Switched on, but the host is not a string: direct too. A port that is not a string is 80.
  FSettings["UseHTTPProxy"] = "1";
  refused = "HTTPProxyHost";
  Download(site.Url("/modulix/modulix.ini"), target);
  EXPECT_EQ(Log()[1], "Error: Proxy setting ignored : HTTPProxyHost is not a string");
  EXPECT_EQ(site.Requests().size(), 2u);
  EXPECT_TRUE(proxy.Requests().empty());
  const TProxySettings read = ReadProxySettings([&](const std::string& name) {
    if (name == "HTTPProxyPort" || name == "HTTPProxyPassword") throw ESettingNotString(name);
    return FSettings[name];
  });
  EXPECT_EQ(read.Host, "127.0.0.1");
  EXPECT_EQ(read.Port, "80");
  EXPECT_EQ(read.Password, "");
  EXPECT_EQ(read.Ignored, (std::vector<std::string>{"HTTPProxyPort", "HTTPProxyPassword"}));
}

TEST(FileGrabberSettingsTest, PortTextIsAnIntegerWith80AsFallback) {
  EXPECT_EQ(ProxyPortText(""), "80");
  EXPECT_EQ(ProxyPortText("abc"), "80");
  EXPECT_EQ(ProxyPortText("0080"), "80");
  EXPECT_EQ(ProxyPortText("8080"), "8080");
  EXPECT_EQ(ProxyPortText("99999999999"), "80");
  EXPECT_EQ(ProxyPortText("8080 "), "80");
  EXPECT_EQ(ProxyPortText("-3"), "-3");
  const TProxySettings settings = ReadProxySettings([](const std::string& name) {
    return name == "UseHTTPProxy" ? "1" : name == "HTTPProxyPort" ? "0080" : "x";
  });
  EXPECT_EQ(settings.Host, "x");
  EXPECT_EQ(settings.Port, "80");
  EXPECT_EQ(settings.UserName, "x");
  EXPECT_EQ(settings.Password, "x");
}

TEST_F(FileGrabberTest, ProxyCredentialsGoOnlyWithBothNameAndPassword) {
  TTestServer proxy([](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      if (RequestHeader(request, "Proxy-Authorization") == "Basic dXNlcjpwdw==")  // user:pw
        connection.Send(Answer("200 OK", kLinks));
      else
        connection.Send(Answer("407 Proxy Authentication Required", "", "Proxy-Authenticate: Basic realm=\"x\"\r\n"));
    }
  });
  const std::string target = FFolder.File("modulix.ini");
  FSettings = {{"UseHTTPProxy", "1"}, {"HTTPProxyHost", "127.0.0.1"}, {"HTTPProxyPort", std::to_string(proxy.Port())},
               {"HTTPProxyUserName", "user"}};
  Download("http://www.tervane.example/modulix/modulix.ini", target);
  EXPECT_EQ(Log().at(0), "Error: File downloaded : Server error (407)");
  EXPECT_EQ(proxy.Requests().size(), 1u);
  EXPECT_FALSE(ReadFileText(target));

  FSettings["HTTPProxyPassword"] = "pw";
  Download("http://www.tervane.example/modulix/modulix.ini", target);
  EXPECT_EQ(proxy.Requests().size(), 3u);
  EXPECT_EQ(ReadFileText(target), std::optional<std::string>(kLinks));
}

TEST(CustomizeHttpClientTest, GivesTheBrowserLikeDefaults) {
  THttpClient client;
  CustomizeHttpClient(client);
  EXPECT_EQ(client.Agent(), "Mozilla/5.0");
  EXPECT_EQ(client.RequestVersion(), "1.1");
  EXPECT_EQ(client.Accept(), "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  EXPECT_EQ(client.AcceptLanguage(), "fr,fr-fr;q=0.8,en-us;q=0.5,en;q=0.3");
  EXPECT_EQ(client.Timeout(), 3);
}

TEST(FileGrabberLifetimeTest, DestroyedWhileWaitingItEndsQuietly) {
  TTestServer site(NeverAnswer());
  TempFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  auto grabber = std::make_unique<TFileGrabber>(&log);
  int done = 0;
  grabber->SetMessagePump([&grabber] {
    grabber.reset();  // the main window is destroyed inside the wait
    return false;     // and the application quits
  });
  grabber->Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr, [&](TFileGrabber*) { ++done; });
  EXPECT_EQ(grabber, nullptr);
  EXPECT_EQ(done, 0);
  EXPECT_TRUE(log.Lines().empty());
}

TEST(FileGrabberLifetimeTest, QuittingWhileWaitingEndsTheDownloadWithCode3) {
  TTestServer site(NeverAnswer());
  TempFolder folder;
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);
  grabber.SetMessagePump([] { return false; });
  int done = 0;
  grabber.Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr, [&](TFileGrabber*) { ++done; });
  EXPECT_EQ(done, 1);
  EXPECT_EQ(LevelsAndMessages(log.Lines()), std::vector<std::string>{"Error: File downloaded : Server error (3)"});
}

TEST(FileGrabberLifetimeTest, OnDoneMayDestroyTheGrabber) {
  TTestServer site(Site());
  TempFolder folder;
  auto grabber = std::make_unique<TFileGrabber>(nullptr);  // no log: entries are skipped
  grabber->Download(site.Url("/modulix/modulix.ini"), folder.File("modulix.ini"), nullptr,
                    [&grabber](TFileGrabber*) { grabber.reset(); });
  EXPECT_EQ(grabber, nullptr);
  EXPECT_EQ(ReadFileText(folder.File("modulix.ini")), std::optional<std::string>(kLinks));
}
