#include "support/http/http_exchange.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "support/http/http_connection.h"
#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/proxy_auth/http_proxy_auth.h"
#include "support/http_transport/http_text.h"
#include "support/http_transport/socket_errors.h"

namespace {

constexpr int kStatusProxyAuthRequired = 407;

bool IsRedirection(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

struct TAnswer {
  THttpResponseHead Head;
  THttpBodyFraming Framing;
  bool Keep = false;  // the connection can carry the next request
};

class THttpExchange {
 public:
  THttpExchange(const THttpExchangeSettings& settings, const THttpBodySink& sink, const THttpExchangeControl& control)
      : FSettings(settings),
        FSink(sink),
        FWaiter(std::chrono::seconds(std::max(settings.TimeoutSeconds, kHttpMinTimeoutSeconds)), settings.Deadline,
                control, settings.Clock),
        FAuth(settings.ProxyUsername, settings.ProxyPassword) {}

  void Run(THttpExchangeResult& result);

 private:
  void FindProxy();
  TAnswer Request(const THttpUrl& url, const std::string& authorization);
  TAnswer SendAndRead(const std::string& request);
  void Open(const std::string& host, uint16_t port);
  void Skip(const TAnswer& answer);
  std::optional<std::string> AnswerProxy(const THttpUrl& url, const TAnswer& answer);

  const THttpExchangeSettings& FSettings;
  const THttpBodySink& FSink;
  THttpWaiter FWaiter;
  THttpProxyAuth FAuth;
  std::optional<THostPort> FProxy;
  std::unique_ptr<THttpConnection> FConnection;
  std::unique_ptr<THttpReader> FReader;
};

void THttpExchange::FindProxy() {
  if (FSettings.Proxy.empty()) return;
  FProxy = ParseHostPort(FSettings.Proxy);
  if (!FProxy) throw ESocketError(kWsaHostNotFound, "bad proxy host");
  if (!FProxy->Port) FProxy->Port = ParsePort(FSettings.ProxyPort).value_or(kHttpDefaultPort);
}

void THttpExchange::Run(THttpExchangeResult& result) {
  FindProxy();
  auto url = ParseHttpUrl(FSettings.Url);
  if (!url) throw EHttpExchangeFailure(kHttpErrorAborted, "not an http address");
  std::string authorization;
  for (int redirections = 0;;) {
    result.Url = HttpAbsoluteUrl(*url);
    const TAnswer answer = Request(*url, authorization);
    result.StatusCode = answer.Head.Status;
    result.ReasonPhrase = answer.Head.Reason;
    if (answer.Head.Status == kStatusProxyAuthRequired && FProxy) {
      if (auto next = AnswerProxy(*url, answer)) {
        Skip(answer);
        authorization = *next;
        continue;
      }
    } else if (IsRedirection(answer.Head.Status) && redirections < kHttpMaxRedirections) {
      const auto location = answer.Head.Headers.Find("Location");
      if (location && HasLineBreakOrNul(*location))
        throw EHttpExchangeFailure(kHttpErrorAborted, "request not sent: the redirection address holds CR, LF or NUL");
      if (auto target = location ? ResolveHttpLocation(*url, *location) : std::nullopt) {
        Skip(answer);
        url = target;
        ++redirections;
        authorization.clear();
        FAuth = THttpProxyAuth(FSettings.ProxyUsername, FSettings.ProxyPassword);
        continue;
      }
    }
    ReadBody(*FReader, answer.Framing, kHttpMaxBodyBytes, FSink);
    return;
  }
}

std::optional<std::string> THttpExchange::AnswerProxy(const THttpUrl& url, const TAnswer& answer) {
  return FAuth.Answer(answer.Head.Headers.FindAll("Proxy-Authenticate"), "GET", RequestTarget(url, true), answer.Keep);
}

TAnswer THttpExchange::Request(const THttpUrl& url, const std::string& authorization) {
  const std::string host = FProxy ? FProxy->Host : url.Host;
  const uint16_t port = FProxy ? *FProxy->Port : url.Port;
  const std::string request = BuildGetRequest(url, FProxy.has_value(), FSettings.Headers, authorization);
  const bool reused = FConnection && FConnection->Serves(host, port);
  if (!reused) Open(host, port);
  const uint64_t before = FReader->BytesReceived();
  try {
    return SendAndRead(request);
  } catch (const EHttpExchangeFailure& failure) {
    // An idle kept-alive connection the server has meanwhile closed: once more on a new one.
    if (!reused || FAuth.NeedsSameConnection() || failure.Code() != kHttpErrorNoStatusLine ||
        FReader->BytesReceived() != before)
      throw;
  } catch (const ESocketError&) {
    if (!reused || FAuth.NeedsSameConnection()) throw;
  }
  Open(host, port);
  return SendAndRead(request);
}

TAnswer THttpExchange::SendAndRead(const std::string& request) {
  FConnection->Write(request);
  TAnswer answer;
  answer.Head = ReadFinalResponseHead(*FReader);
  answer.Framing = BodyFraming(answer.Head);
  answer.Keep = KeepsConnection(answer.Head, answer.Framing);
  return answer;
}

void THttpExchange::Open(const std::string& host, uint16_t port) {
  FReader.reset();
  FConnection.reset();
  FConnection = std::make_unique<THttpConnection>(host, port, FWaiter);
  FReader = std::make_unique<THttpReader>(*FConnection);
}

// The body of an answer that is not the final one: read and dropped when the connection is
// kept for the next request, otherwise the connection goes.
void THttpExchange::Skip(const TAnswer& answer) {
  if (!answer.Keep) {
    FReader.reset();
    FConnection.reset();
    return;
  }
  ReadBody(*FReader, answer.Framing, kHttpMaxBodyBytes, [](const char*, size_t) {});
}

}  // namespace

THttpExchangeResult RunHttpExchange(const THttpExchangeSettings& settings, const THttpBodySink& bodySink,
                                    const THttpExchangeControl& control) {
  THttpExchangeResult result;
  try {
    THttpExchange(settings, bodySink, control).Run(result);
  } catch (const EHttpExchangeFailure& failure) {
    result.ErrorCode = failure.Code();
    result.ErrorText = failure.what();
  } catch (const ESocketError& failure) {
    result.ErrorCode = failure.Code() != 0 ? failure.Code() : kHttpErrorAborted;
    result.ErrorText = failure.what();
  }
  return result;
}
