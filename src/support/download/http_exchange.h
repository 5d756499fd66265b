#pragma once
// One GET exchange from the first connection to the end of the final answer's body: proxy,
// proxy authentication rounds, redirections, interim answers, and connection reuse.
#include <cstdint>
#include <string>

#include "support/download/http_pump.h"
#include "support/download/http_request.h"
#include "support/download/http_response.h"
#include "support/download/http_waiter.h"

struct THttpExchangeSettings {
  std::string Url;
  THttpRequestHeaders Headers;
  int TimeoutSeconds = 30;
  std::string Proxy;      // host or host:port; empty for a direct connection
  std::string ProxyPort;  // used when Proxy names no port; 80 when not a port number
  std::string ProxyUsername;
  std::string ProxyPassword;
};

struct THttpExchangeResult {
  uint16_t ErrorCode = 0;  // see http_errors.h
  int StatusCode = 0;      // of the last answer whose head arrived; 0 when none did
  std::string ReasonPhrase;
  std::string Url;  // the address of the last request (after redirections)
};

// The final answer's body goes to `bodySink`. Never raises for network or protocol failures:
// they come back as ErrorCode. The control is looked at after every message pump; once it says
// the client is gone, nothing but locals is touched.
THttpExchangeResult RunHttpExchange(const THttpExchangeSettings& settings, const THttpBodySink& bodySink,
                                    THttpPump pump, const THttpExchangeControl& control);
