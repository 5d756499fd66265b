#include "support/download/http_request.h"

namespace {

void AddLine(std::string& request, const char* name, const std::string& value) {
  if (!value.empty()) request += std::string(name) + ": " + value + "\r\n";
}

}  // namespace

std::string RequestTarget(const THttpUrl& url, bool viaProxy) { return viaProxy ? HttpAbsoluteUrl(url) : url.Path; }

std::string BuildGetRequest(const THttpUrl& url, bool viaProxy, const THttpRequestHeaders& headers,
                            const std::string& proxyAuthorization) {
  std::string request = "GET " + RequestTarget(url, viaProxy) + " HTTP/" + headers.Version + "\r\n";
  AddLine(request, "Accept", headers.Accept);
  AddLine(request, "Accept-Language", headers.AcceptLanguage);
  AddLine(request, "User-Agent", headers.Agent);
  AddLine(request, "Host", HttpHostHeader(url));
  AddLine(request, "Proxy-Authorization", proxyAuthorization);
  return request + "\r\n";
}
