#include <gtest/gtest.h>

#include "http_memory_stream.h"
#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/http/http_response.h"
#include "support/http_transport/socket_errors.h"

namespace {

struct TParsed {
  THttpResponseHead Head;
  std::string Body;
  bool Keep = false;
};

// Parses a whole response handed out `piece` bytes at a time.
TParsed Parse(const std::string& input, size_t piece = 1 << 20, size_t limit = kHttpMaxBodyBytes) {
  TMemoryHttpStream stream(input, piece);
  THttpReader reader(stream);
  TParsed parsed;
  parsed.Head = ReadFinalResponseHead(reader);
  const THttpBodyFraming framing = BodyFraming(parsed.Head);
  parsed.Keep = KeepsConnection(parsed.Head, framing);
  ReadBody(reader, framing, limit, [&](const char* data, size_t size) { parsed.Body.append(data, size); });
  return parsed;
}

uint16_t FailureCode(const std::string& input, size_t limit = kHttpMaxBodyBytes) {
  try {
    Parse(input, 7, limit);
  } catch (const EHttpExchangeFailure& failure) {
    return failure.Code();
  }
  return 0;
}

}  // namespace

TEST(HttpResponseTest, ReadsBodiesByLengthByChunksAndToTheEndWhateverThePieceSize) {
  for (size_t piece : {1u, 2u, 5u, 4096u}) {
    const TParsed byLength = Parse("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", piece);
    EXPECT_EQ(byLength.Head.Status, 200);
    EXPECT_EQ(byLength.Head.Reason, "OK");
    EXPECT_EQ(byLength.Body, "hello");
    EXPECT_TRUE(byLength.Keep);

    const TParsed chunked = Parse(
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, Chunked\r\n\r\n"
        "5;name=value\r\nhello\r\nA\r\n, chunked!\r\n0\r\nX-Trailer: 1\r\n\r\n",
        piece);
    EXPECT_EQ(chunked.Body, "hello, chunked!");
    EXPECT_TRUE(chunked.Keep);

    const TParsed untilClose = Parse("HTTP/1.0 200 OK\nServer: old\n\nline 1\nline 2", piece);
    EXPECT_EQ(untilClose.Body, "line 1\nline 2");
    EXPECT_FALSE(untilClose.Keep);
  }
}

TEST(HttpResponseTest, SkipsInterimAnswersAndReadsHeaders) {
  const TParsed parsed = Parse(
      "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 103 Early Hints\r\nLink: </a>\r\n\r\n"
      "HTTP/1.1 404 Not Found\r\nContent-Length: 2\r\nX-Long: a\r\n  b\r\nConnection: Close\r\n\r\nno");
  EXPECT_EQ(parsed.Head.Status, 404);
  EXPECT_EQ(parsed.Head.Headers.Find("x-long"), std::optional<std::string>("a b"));
  EXPECT_EQ(parsed.Body, "no");
  EXPECT_FALSE(parsed.Keep);  // Connection: close

  EXPECT_EQ(Parse("HTTP/1.1 204 No Content\r\nContent-Length: 10\r\n\r\n").Body, "");
  EXPECT_EQ(Parse("HTTP/1.1 200\r\nContent-Length: 0\r\n\r\n").Head.Reason, "");
  EXPECT_TRUE(Parse("HTTP/1.0 200 OK\r\nConnection: keep-alive\r\nContent-Length: 0\r\n\r\n").Keep);
}

TEST(HttpResponseTest, NoOrGarbledStatusLineGivesCode9) {
  EXPECT_EQ(FailureCode(""), kHttpErrorNoStatusLine);
  EXPECT_EQ(FailureCode("HTTP/1.1 2"), kHttpErrorNoStatusLine);  // closed inside the line
  EXPECT_EQ(FailureCode("<html>hello</html>\r\n\r\n"), kHttpErrorNoStatusLine);
  EXPECT_EQ(FailureCode("HTTP/1.1 2OO OK\r\n\r\n"), kHttpErrorNoStatusLine);
  EXPECT_EQ(FailureCode("HTTP/2 200 OK\r\n\r\n"), kHttpErrorNoStatusLine);
  EXPECT_EQ(FailureCode("HTTP/1.1 099 Low\r\n\r\n"), kHttpErrorNoStatusLine);
}

TEST(HttpResponseTest, BodiesCutShortAreTransferFailures) {
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhalf"), kWsaEDiscon);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel"), kWsaEDiscon);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n"), kWsaEDiscon);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n"), kWsaEDiscon);  // inside the header
}

TEST(HttpResponseTest, MalformedFramingAbortsTheExchange) {
  const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  EXPECT_EQ(FailureCode(chunked + "zz\r\nhello\r\n0\r\n\r\n"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode(chunked + "\r\n"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode(chunked + "-5\r\n"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode(chunked + "ffffffffffffffffff\r\n"), kHttpErrorAborted);  // would overflow
  EXPECT_EQ(FailureCode(chunked + "3\r\nhello\r\n0\r\n\r\n"), kHttpErrorAborted);  // more than announced
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: 5, 6\r\n\r\nhello"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n"), kHttpErrorAborted);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nNo colon here\r\n\r\n"), kHttpErrorAborted);
  EXPECT_EQ(Parse("HTTP/1.1 200 OK\r\nContent-Length: 5, 5\r\n\r\nhello").Body, "hello");
}

TEST(HttpResponseTest, LimitsStopHostileServers) {
  const std::string bigHeader = "HTTP/1.1 200 OK\r\nX: " + std::string(kHttpMaxHeaderBytes, 'a') + "\r\n\r\n";
  EXPECT_EQ(FailureCode(bigHeader), kHttpErrorAborted);
  std::string manyHeaders = "HTTP/1.1 200 OK\r\n";
  for (int i = 0; i < 10000; ++i) manyHeaders += "X-Field: 1234567\r\n";
  EXPECT_EQ(FailureCode(manyHeaders + "\r\n"), kHttpErrorAborted);
  std::string interim;
  for (int i = 0; i < 100; ++i) interim += "HTTP/1.1 100 Continue\r\n\r\n";
  EXPECT_EQ(FailureCode(interim), kHttpErrorAborted);

  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nContent-Length: 11\r\n\r\nhello world", 10), kHttpErrorAborted);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\n\r\nhello world", 10), kHttpErrorAborted);
  EXPECT_EQ(FailureCode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\nhello \r\n5\r\nworld\r\n0\r\n\r\n", 10),
            kHttpErrorAborted);
  EXPECT_EQ(Parse("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhelloworld", 3, 10).Body, "helloworld");
}
