#include <gtest/gtest.h>

#include "support/http_transport/http_errors.h"
#include "support/http/http_request.h"

namespace {
const THttpRequestHeaders kHeaders{"1.1", "text/html,*/*;q=0.8", "fr,en;q=0.3", "Mozilla/5.0"};
}

TEST(HttpRequestTest, DirectRequestCarriesThePathAndOnlyTheFourHeaders) {
  EXPECT_EQ(BuildGetRequest(*ParseHttpUrl("http://www.tervane.example/modulix/modulix.ini"), false, kHeaders, ""),
            "GET /modulix/modulix.ini HTTP/1.1\r\n"
            "Accept: text/html,*/*;q=0.8\r\n"
            "Accept-Language: fr,en;q=0.3\r\n"
            "User-Agent: Mozilla/5.0\r\n"
            "Host: www.tervane.example\r\n"
            "\r\n");
}

TEST(HttpRequestTest, ProxyRequestCarriesTheAbsoluteAddressAndTheAnswerToTheChallenge) {
  EXPECT_EQ(BuildGetRequest(*ParseHttpUrl("http://h:8080/a?b"), true, kHeaders, "Basic dTpw"),
            "GET http://h:8080/a?b HTTP/1.1\r\n"
            "Accept: text/html,*/*;q=0.8\r\n"
            "Accept-Language: fr,en;q=0.3\r\n"
            "User-Agent: Mozilla/5.0\r\n"
            "Host: h:8080\r\n"
            "Proxy-Authorization: Basic dTpw\r\n"
            "\r\n");
  // A port of 80 written in the address stays in the request line, not in Host.
  EXPECT_EQ(BuildGetRequest(*ParseHttpUrl("http://h:80/"), true, {"1.0", "", "", ""}, ""),
            "GET http://h:80/ HTTP/1.0\r\nHost: h\r\n\r\n");
}

TEST(HttpRequestTest, NoLineThatACrLfOrNulWouldSplitIsBuilt) {
  const THttpUrl plain = *ParseHttpUrl("http://h/x");
  THttpUrl redirected = plain;  // a host taken from a redirection, had it slipped through
  for (const std::string& host : {std::string("h\r\nX-Injected: 1"), std::string("h\rx"), std::string("h\0x", 3)}) {
    redirected.Host = host;
    EXPECT_THROW(BuildGetRequest(redirected, false, kHeaders, ""), EHttpExchangeFailure);
    EXPECT_THROW(BuildGetRequest(redirected, true, kHeaders, ""), EHttpExchangeFailure);
  }
  EXPECT_THROW(BuildGetRequest(plain, true, kHeaders, "Digest realm=\"a\nb\""), EHttpExchangeFailure);
  EXPECT_THROW(BuildGetRequest(plain, false, {"1.1", "", "", std::string("Mozilla\0", 8)}, ""), EHttpExchangeFailure);
  try {
    BuildGetRequest(plain, true, kHeaders, "Basic \r\n");
    ADD_FAILURE() << "built";
  } catch (const EHttpExchangeFailure& failure) {
    EXPECT_EQ(failure.Code(), kHttpErrorAborted);
    EXPECT_STREQ(failure.what(), "request not sent: Proxy-Authorization holds CR, LF or NUL");
  }
}
