#pragma once
// One GET exchange from the first connection to the end of the final answer's body: proxy,
// proxy authentication rounds, redirections, interim answers, and connection reuse.
#include <chrono>
#include <cstdint>
#include <string>

#include "support/http_transport/http_limits.h"
#include "support/http/http_request.h"
#include "support/http/http_response.h"
#include "support/http_transport/http_waiter.h"

struct THttpExchangeSettings {
  std::string Url;
  THttpRequestHeaders Headers;
  int TimeoutSeconds = 30;  // without network activity
  std::chrono::milliseconds Deadline = std::chrono::seconds(kHttpExchangeDeadlineSeconds);  // in all
  std::string Proxy;      // host or host:port; empty for a direct connection
  std::string ProxyPort;  // used when Proxy names no port; 80 when not a port number
  std::string ProxyUsername;
  std::string ProxyPassword;
  THttpClock Clock;  // the steady clock when empty
};

struct THttpExchangeResult {
  uint16_t ErrorCode = 0;  // see http_errors.h
  int StatusCode = 0;      // of the last answer whose head arrived; 0 when none did
  std::string ReasonPhrase;
  std::string Url;  // the address of the last request (after redirections)
  std::string ErrorText;  // why it failed, when ErrorCode is not 0
};

// The final answer's body goes to `bodySink`. Never raises for network or protocol failures:
// they come back as ErrorCode. Blocks; an abort asked through the control ends it within a
// wait slice.
THttpExchangeResult RunHttpExchange(const THttpExchangeSettings& settings, const THttpBodySink& bodySink,
                                    const THttpExchangeControl& control);
