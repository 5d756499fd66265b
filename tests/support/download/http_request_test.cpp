#include <gtest/gtest.h>

#include "support/download/http_request.h"

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
