#pragma once
// The bytes of a GET request. Only these lines, in this order: request line, "Accept",
// "Accept-Language", "User-Agent", "Host", then "Proxy-Authorization" when answering a proxy's
// challenge. A header whose value is empty is left out.
#include <string>

#include "support/http/http_url.h"

struct THttpRequestHeaders {
  std::string Version = "1.1";  // "1.0" or "1.1"
  std::string Accept;
  std::string AcceptLanguage;
  std::string Agent;
};

// viaProxy: the request line carries the absolute address instead of the path. A line that would
// hold CR, LF or NUL raises EHttpExchangeFailure(kHttpErrorAborted): such a request is not sent.
std::string BuildGetRequest(const THttpUrl& url, bool viaProxy, const THttpRequestHeaders& headers,
                            const std::string& proxyAuthorization);
// The request target as written in the request line (Digest signs it).
std::string RequestTarget(const THttpUrl& url, bool viaProxy);
