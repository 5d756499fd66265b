#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/stepping_clock.h"
#include "http_test_server.h"
#include "support/http/http_client.h"
#include "support/http_transport/http_limits.h"
#include "support/http_transport/socket_errors.h"

namespace {

const char kAccept[] = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const char kLanguage[] = "fr,fr-fr;q=0.8,en-us;q=0.5,en;q=0.3";

class HttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FClient.SetAgent("Mozilla/5.0");
    FClient.SetRequestVersion("1.1");
    FClient.SetAccept(kAccept);
    FClient.SetAcceptLanguage(kLanguage);
    FClient.SetTimeout(5);
    FClient.SetRcvdStream(&FBody);
    FClient.SetOnRequestDone([this](THttpClient* sender, THttpRequestType type, uint16_t code) {
      EXPECT_EQ(sender, &FClient);
      EXPECT_EQ(type, THttpRequestType::Get);
      FDoneCodes.push_back(code);
    });
  }

  // Runs one GET; the error code of its (single) request-done event.
  uint16_t Get(const std::string& url) {
    FClient.SetURL(url);
    FBody.clear();
    FDoneCodes.clear();
    FRaised.reset();
    try {
      FClient.Get();
    } catch (const EHttpError& error) {
      FRaised = error;
    }
    EXPECT_EQ(FDoneCodes.size(), 1u);
    return FDoneCodes.empty() ? 0xffff : FDoneCodes.back();
  }

  std::string ExpectedRequest(const std::string& target, const std::string& host) const {
    return "GET " + target + " HTTP/1.1\r\nAccept: " + kAccept + "\r\nAccept-Language: " + kLanguage +
           "\r\nUser-Agent: Mozilla/5.0\r\nHost: " + host + "\r\n\r\n";
  }

  THttpClient FClient;
  std::string FBody;
  std::vector<uint16_t> FDoneCodes;
  std::optional<EHttpError> FRaised;
};

// Answers every request on a connection with `answer`, until the client closes.
TTestServer::TScript Always(const std::string& answer) {
  return [answer](TTestConnection& connection) {
    while (!connection.ReadRequest().empty()) connection.Send(answer);
  };
}

}  // namespace

TEST_F(HttpClientTest, SendsExactlyTheProgramsRequestAndReadsTheAnswer) {
  TTestServer server(Always(Answer("200 OK", "hello")));
  EXPECT_EQ(Get(server.Url("/modulix/modulix.ini")), 0);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            ExpectedRequest("/modulix/modulix.ini", "127.0.0.1:" + std::to_string(server.Port())));
  EXPECT_EQ(FBody, "hello");
  EXPECT_EQ(FClient.StatusCode(), 200);
  EXPECT_FALSE(FRaised);
}

TEST_F(HttpClientTest, ThroughAProxySendsTheAbsoluteAddressToTheProxy) {
  TTestServer proxy(Always(Answer("200 OK", "via proxy")));
  FClient.SetProxy("127.0.0.1");
  FClient.SetProxyPort(std::to_string(proxy.Port()));
  EXPECT_EQ(Get("http://www.tervane.example/modulix/modulix.ini"), 0);
  EXPECT_EQ(FBody, "via proxy");

  // A port written in the host value wins over the port setting.
  FClient.SetProxy("127.0.0.1:" + std::to_string(proxy.Port()));
  FClient.SetProxyPort("1");
  EXPECT_EQ(Get("http://www.tervane.example:8080/x?y=1"), 0);

  const auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0], ExpectedRequest("http://www.tervane.example/modulix/modulix.ini", "www.tervane.example"));
  EXPECT_EQ(requests[1], ExpectedRequest("http://www.tervane.example:8080/x?y=1", "www.tervane.example:8080"));
}

TEST_F(HttpClientTest, ReadsLengthChunkedAndCloseDelimitedBodies) {
  TTestServer server([](TTestConnection& connection) {
    const std::string request = connection.ReadRequest();
    if (request.find(" /length ") != std::string::npos) {
      connection.Send(Answer("200 OK", "by length"));
    } else if (request.find(" /chunked ") != std::string::npos) {
      connection.SendInPieces("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nby \r\n7\r\nchunks!\r\n0\r\n\r\n", 4);
    } else {
      connection.Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nuntil the end");
      return;  // closes
    }
    connection.WaitForClose();
  });
  EXPECT_EQ(Get(server.Url("/length")), 0);
  EXPECT_EQ(FBody, "by length");
  EXPECT_EQ(Get(server.Url("/chunked")), 0);
  EXPECT_EQ(FBody, "by chunks!");
  EXPECT_EQ(Get(server.Url("/close")), 0);
  EXPECT_EQ(FBody, "until the end");
}

TEST_F(HttpClientTest, ErrorStatusesCompleteTheExchangeButGetRaisesForThemExcept401And407) {
  TTestServer server([](TTestConnection& connection) {
    const std::string request = connection.ReadRequest();
    const std::string status = request.substr(5, 3);
    connection.Send(Answer(status + " Status", "<html>" + status + "</html>"));
    connection.WaitForClose();
  });
  EXPECT_EQ(Get(server.Url("/404")), 0);
  EXPECT_EQ(FClient.StatusCode(), 404);
  EXPECT_EQ(FBody, "<html>404</html>");
  ASSERT_TRUE(FRaised);
  EXPECT_EQ(FRaised->StatusCode(), 404);
  EXPECT_EQ(Get(server.Url("/500")), 0);
  EXPECT_TRUE(FRaised);
  for (const char* quiet : {"/401", "/407", "/302", "/204"}) {
    EXPECT_EQ(Get(server.Url(quiet)), 0);
    EXPECT_FALSE(FRaised) << quiet;
  }
}

TEST_F(HttpClientTest, FollowsFiveRedirectionsAndEndsWithTheSixth) {
  // /hop/N redirects to hop N+1, alternately by an absolute and a relative address.
  TTestServer server([](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      const size_t at = request.find("/hop/");
      if (at == std::string::npos) {
        connection.Send(Answer("200 OK", "arrived"));
        continue;
      }
      const int hop = request[at + 5] - '0';
      const int last = request[at + 7] - '0';  // /hop/N/LAST
      const std::string next = hop + 1 > last ? "/end" : "/hop/" + std::to_string(hop + 1) + "/" + std::to_string(last);
      const std::string location = hop % 2 ? "../../.." + next : "http://127.0.0.1:" + RequestHeader(request, "Host").substr(10) + next;
      connection.Send(Answer("302 Found", "moved", "Location: " + location + "\r\n"));
    }
  });
  EXPECT_EQ(Get(server.Url("/hop/1/5")), 0);
  EXPECT_EQ(FBody, "arrived");
  EXPECT_EQ(FClient.StatusCode(), 200);
  EXPECT_EQ(server.Requests().size(), 6u);
  EXPECT_EQ(FClient.LastUrl(), server.Url("/end"));
  EXPECT_EQ(server.Connections(), 1);  // one kept-alive connection for the whole chain

  EXPECT_EQ(Get(server.Url("/hop/1/6")), 0);
  EXPECT_EQ(FClient.StatusCode(), 302);
  EXPECT_EQ(FBody, "moved");
  EXPECT_EQ(server.Requests().size(), 12u);
}

TEST_F(HttpClientTest, NetworkFailuresEndWithTheirWindowsSocketsNumber) {
  EXPECT_EQ(Get("http://modulix-test.invalid/"), kWsaHostNotFound);
  ASSERT_TRUE(FRaised);
  EXPECT_EQ(FRaised->ErrorCode(), kWsaHostNotFound);

  uint16_t closedPort = 0;
  TSocket::ListenLoopback(closedPort);  // bound, then closed at once
  EXPECT_EQ(Get("http://127.0.0.1:" + std::to_string(closedPort) + "/"), kWsaEConnRefused);
}

TEST_F(HttpClientTest, GivesUpOnASilentServerAfterTheTimeout) {
  TTestServer server(NeverAnswer());
  TSteppingClock clock(std::chrono::milliseconds(100));
  FClient.SetClock(clock.Reader());
  FClient.SetTimeout(1);
  EXPECT_EQ(Get(server.Url("/")), kHttpErrorTimeout);
  // A second of silence ended it, long before the deadline.
  EXPECT_GE(clock.Elapsed(), std::chrono::seconds(1));
  EXPECT_LT(clock.Elapsed(), std::chrono::seconds(kHttpExchangeDeadlineSeconds));
  EXPECT_TRUE(FRaised);
}

TEST_F(HttpClientTest, TheDeadlineEndsAnExchangeThatKeepsTricklingLikeATimeout) {
  // A byte now and then keeps the inactivity clock going; so does a slow chain of redirections.
  TTestServer server([](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      if (request.find(" /drip ") != std::string::npos) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n");
        for (int i = 0; i < 40 && !connection.Stopping() && connection.Send("x"); ++i)
          std::this_thread::sleep_for(std::chrono::milliseconds(50));
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        connection.Send(Answer("302 Found", "", "Location: /hop\r\n"));
      }
    }
  });
  FClient.SetTimeout(1);
  FClient.SetDeadline(std::chrono::milliseconds(300));
  EXPECT_EQ(Get(server.Url("/drip")), kHttpErrorTimeout);
  EXPECT_LT(FBody.size(), 40u);
  ASSERT_TRUE(FRaised);
  EXPECT_EQ(FRaised->ErrorCode(), kHttpErrorTimeout);

  const size_t before = server.Requests().size();
  EXPECT_EQ(Get(server.Url("/hop")), kHttpErrorTimeout);
  EXPECT_LT(server.Requests().size() - before, 1u + kHttpMaxRedirections);
}

TEST_F(HttpClientTest, UrgentDataIsReadAsPlainBytesAndTheExchangeGoesOn) {
  TTestServer server([](TTestConnection& connection) {
    if (connection.ReadRequest().empty()) return;
    connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nab");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    connection.SendUrgent('c');
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    connection.Send("de");
    // A client stuck on the urgent byte ends here, with the connection closed under it.
    connection.WaitForClose(std::chrono::seconds(3));
  });
  FClient.SetTimeout(2);
  EXPECT_EQ(Get(server.Url("/")), 0);
  EXPECT_EQ(FBody, "abcde");
}

TEST_F(HttpClientTest, ARedirectionAddressWithALineBreakOrNulIsNotFollowed) {
  TTestServer server([](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      const std::string host = RequestHeader(request, "Host");
      if (request.find(" /cr ") != std::string::npos)
        connection.Send(Answer("302 Found", "", "Location: http://" + host + "/next\rX-Injected: 1\r\n"));
      else if (request.find(" /nul ") != std::string::npos)
        connection.Send(Answer("302 Found", "", std::string("Location: /next\0.ini\r\n", 22)));
      else
        connection.Send(Answer("200 OK", "followed"));
    }
  });
  for (const char* path : {"/cr", "/nul"}) {
    EXPECT_EQ(Get(server.Url(path)), kHttpErrorAborted) << path;
    ASSERT_TRUE(FRaised) << path;
    EXPECT_NE(std::string(FRaised->what()).find("CR, LF or NUL"), std::string::npos) << FRaised->what();
  }
  EXPECT_EQ(server.Requests().size(), 2u);  // neither redirection was followed
}

TEST_F(HttpClientTest, BrokenServersEndTheExchangeWithAnError) {
  TTestServer server([](TTestConnection& connection) {
    const std::string request = connection.ReadRequest();
    if (request.find(" /silent-close ") != std::string::npos) return;
    if (request.find(" /truncated ") != std::string::npos)
      connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly this");
    else if (request.find(" /garbled ") != std::string::npos)
      connection.Send("HTPT/1.1 200 OK\r\n\r\n");
    else if (request.find(" /bad-chunk ") != std::string::npos)
      connection.Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nxyz\r\nhello\r\n0\r\n\r\n");
    else if (request.find(" /endless ") != std::string::npos) {
      const std::string block(64 * 1024, 'x');
      connection.Send("HTTP/1.1 200 OK\r\n\r\n");
      while (!connection.Stopping() && connection.Send(block)) {
      }
      return;
    }
  });
  EXPECT_EQ(Get(server.Url("/silent-close")), kHttpErrorNoStatusLine);
  EXPECT_EQ(Get(server.Url("/truncated")), kWsaEDiscon);
  EXPECT_EQ(Get(server.Url("/garbled")), kHttpErrorNoStatusLine);
  EXPECT_EQ(Get(server.Url("/bad-chunk")), kHttpErrorAborted);
  EXPECT_EQ(Get(server.Url("/endless")), kHttpErrorAborted);
  EXPECT_LE(FBody.size(), kHttpMaxBodyBytes);
  EXPECT_TRUE(FRaised);
}

TEST_F(HttpClientTest, RetriesOnANewConnectionWhenTheServerDroppedTheIdleOne) {
  // Answers one request per connection without saying it will close.
  TTestServer server([](TTestConnection& connection) {
    const std::string request = connection.ReadRequest();
    if (request.find(" /first ") != std::string::npos)
      connection.Send(Answer("302 Found", "", "Location: /second\r\n"));
    else
      connection.Send(Answer("200 OK", "second"));
  });
  EXPECT_EQ(Get(server.Url("/first")), 0);
  EXPECT_EQ(FBody, "second");
  EXPECT_EQ(server.Connections(), 2);
}

TEST_F(HttpClientTest, TheMessagePumpCanAbortQuitOrDestroyTheClient) {
  TTestServer server(NeverAnswer());
  FClient.SetMessagePump([this] {
    FClient.Abort();
    return true;
  });
  EXPECT_EQ(Get(server.Url("/")), kHttpErrorAborted);

  FClient.SetMessagePump([] { return false; });  // the application quits
  EXPECT_EQ(Get(server.Url("/")), kHttpErrorAborted);

  // A second Get from inside the wait is refused; the first goes on.
  int refused = 0;
  FClient.SetMessagePump([&] {
    try {
      FClient.Get();
    } catch (const EHttpError& error) {
      ++refused;
      FClient.Abort();
    }
    return true;
  });
  EXPECT_EQ(Get(server.Url("/")), kHttpErrorAborted);
  EXPECT_EQ(refused, 1);

  auto doomed = std::make_unique<THttpClient>();
  int events = 0;
  doomed->SetOnRequestDone([&](THttpClient*, THttpRequestType, uint16_t) { ++events; });
  doomed->SetURL(server.Url("/"));
  doomed->SetMessagePump([&doomed] {
    doomed.reset();  // a handler destroys the client while it waits
    return true;
  });
  doomed->Get();
  EXPECT_EQ(doomed, nullptr);
  EXPECT_EQ(events, 0);
}

TEST(HttpClientSettingsTest, RefusesVersionsAndHeaderValuesItCannotSend) {
  THttpClient client;
  EXPECT_THROW(client.SetRequestVersion("2"), std::invalid_argument);
  EXPECT_THROW(client.SetAgent("x\r\nCookie: y"), std::invalid_argument);
  EXPECT_THROW(client.SetAccept(std::string("a\0b", 3)), std::invalid_argument);
  client.SetRequestVersion("1.0");
  EXPECT_EQ(client.RequestVersion(), "1.0");
}
