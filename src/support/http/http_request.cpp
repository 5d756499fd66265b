#include "support/http/http_request.h"

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_text.h"

namespace {

// Nothing goes out with a line that a CR, LF or NUL would split.
void CheckLine(const char* what, const std::string& text) {
  if (HasLineBreakOrNul(text))
    throw EHttpExchangeFailure(kHttpErrorAborted, std::string("request not sent: ") + what + " holds CR, LF or NUL");
}

void AddLine(std::string& request, const char* name, const std::string& value) {
  if (value.empty()) return;
  CheckLine(name, value);
  request += std::string(name) + ": " + value + "\r\n";
}

}  // namespace

std::string RequestTarget(const THttpUrl& url, bool viaProxy) { return viaProxy ? HttpAbsoluteUrl(url) : url.Path; }

std::string BuildGetRequest(const THttpUrl& url, bool viaProxy, const THttpRequestHeaders& headers,
                            const std::string& proxyAuthorization) {
  const std::string target = RequestTarget(url, viaProxy);
  CheckLine("the request target", target);
  std::string request = "GET " + target + " HTTP/" + headers.Version + "\r\n";
  AddLine(request, "Accept", headers.Accept);
  AddLine(request, "Accept-Language", headers.AcceptLanguage);
  AddLine(request, "User-Agent", headers.Agent);
  AddLine(request, "Host", HttpHostHeader(url));
  AddLine(request, "Proxy-Authorization", proxyAuthorization);
  return request + "\r\n";
}
