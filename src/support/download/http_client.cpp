#include "support/download/http_client.h"

#include <stdexcept>

#include "support/download/http_exchange.h"

namespace {

constexpr int kFirstErrorStatus = 400;
constexpr int kStatusUnauthorized = 401;
constexpr int kStatusProxyAuthRequired = 407;

void CheckHeaderValue(const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos)
    throw std::invalid_argument("HTTP header value with a line break");
}

// Clears the busy state when Get ends in any way, unless the client is gone by then.
class TBusyScope {
 public:
  TBusyScope(std::shared_ptr<THttpExchangeControl>& slot, std::shared_ptr<THttpExchangeControl> control)
      : FSlot(slot), FControl(std::move(control)) {
    FSlot = FControl;
  }
  ~TBusyScope() {
    if (!FControl->ClientGone) FSlot.reset();
  }
  bool ClientGone() const { return FControl->ClientGone; }

 private:
  std::shared_ptr<THttpExchangeControl>& FSlot;
  std::shared_ptr<THttpExchangeControl> FControl;
};

}  // namespace

THttpClient::THttpClient(void* owner) : FOwner(owner), FPump(PumpThreadMessages) {}

THttpClient::~THttpClient() {
  if (FControl) {
    FControl->ClientGone = true;
    FControl->Aborted = true;
  }
}

void THttpClient::SetAgent(const std::string& agent) {
  CheckHeaderValue(agent);
  FAgent = agent;
}

void THttpClient::SetRequestVersion(const std::string& version) {
  if (version != "1.0" && version != "1.1") throw std::invalid_argument("HTTP version must be 1.0 or 1.1");
  FRequestVersion = version;
}

void THttpClient::SetAccept(const std::string& accept) {
  CheckHeaderValue(accept);
  FAccept = accept;
}

void THttpClient::SetAcceptLanguage(const std::string& acceptLanguage) {
  CheckHeaderValue(acceptLanguage);
  FAcceptLanguage = acceptLanguage;
}

void THttpClient::Abort() {
  if (FControl) FControl->Aborted = true;
}

void THttpClient::Get() {
  if (Busy()) throw EHttpError("HTTP client is busy", 0, 0);
  TBusyScope busy(FControl, std::make_shared<THttpExchangeControl>());
  THttpExchangeSettings settings{FURL, {FRequestVersion, FAccept, FAcceptLanguage, FAgent}, FTimeout,
                                 FProxy, FProxyPort, FProxyUsername, FProxyPassword};
  std::string* body = FRcvdStream;
  const THttpBodySink sink = [body](const char* data, size_t size) {
    if (body) body->append(data, size);
  };
  const THttpExchangeResult result = RunHttpExchange(settings, sink, FPump, *FControl);
  if (busy.ClientGone()) return;
  FStatusCode = result.StatusCode;
  FReasonPhrase = result.ReasonPhrase;
  FLastUrl = result.Url;
  const THttpRequestDone onDone = FOnRequestDone;  // the handler may destroy this client
  if (onDone) onDone(this, THttpRequestType::Get, result.ErrorCode);
  if (busy.ClientGone()) return;
  RaiseOnFailure(result.ErrorCode);
}

void THttpClient::RaiseOnFailure(uint16_t errorCode) const {
  if (errorCode != 0) throw EHttpError("HTTP request failed (" + std::to_string(errorCode) + ")", errorCode, FStatusCode);
  if (FStatusCode >= kFirstErrorStatus && FStatusCode != kStatusUnauthorized && FStatusCode != kStatusProxyAuthRequired)
    throw EHttpError("HTTP status " + std::to_string(FStatusCode) + " " + FReasonPhrase, 0, FStatusCode);
}
