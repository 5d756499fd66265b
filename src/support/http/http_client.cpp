#include "support/http/http_client.h"

#include <stdexcept>

#include "support/http_transport/http_done_notice.h"
#include "support/http/http_run.h"
#include "support/http_transport/http_text.h"

namespace {

constexpr int kFirstErrorStatus = 400;
constexpr int kStatusUnauthorized = 401;
constexpr int kStatusProxyAuthRequired = 407;

void CheckHeaderValue(const std::string& value) {
  if (HasLineBreakOrNul(value)) throw std::invalid_argument("HTTP header value with a line break or NUL");
}

}  // namespace

// One Get under way. Shared by Get's frame and the client, so the client may be destroyed (or
// abort) from a message handler run while Get waits.
struct THttpClient::TPending {
  std::unique_ptr<THttpRun> Run;
  bool Stopping = false;  // aborted, or the application quits: only the end is waited for
  bool Delivered = false;
  bool ClientGone = false;
};

namespace {

// Clears the busy state when Get ends in any way, unless the client is gone by then.
template <typename TPending>
class TBusyScope {
 public:
  TBusyScope(std::shared_ptr<TPending>& slot, std::shared_ptr<TPending> pending)
      : FSlot(slot), FPending(std::move(pending)) {
    FSlot = FPending;
  }
  ~TBusyScope() {
    if (!FPending->ClientGone) FSlot.reset();
  }

 private:
  std::shared_ptr<TPending>& FSlot;
  std::shared_ptr<TPending> FPending;
};

}  // namespace

THttpClient::THttpClient(void* owner) : FOwner(owner), FPump(PumpThreadMessages) {}

THttpClient::~THttpClient() {
  if (FPending) {
    FPending->ClientGone = true;
    if (FPending->Run) FPending->Run->Stop();  // before the notice it may post to goes
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
  if (!FPending || !FPending->Run) return;
  FPending->Stopping = true;
  FPending->Run->Abort();
}

void THttpClient::Get() {
  if (Busy()) throw EHttpError("HTTP client is busy", 0, 0);
  if (!FNotice) FNotice = std::make_unique<THttpDoneNotice>([this] { Deliver(); });
  const auto pending = std::make_shared<TPending>();
  TBusyScope busy(FPending, pending);
  THttpExchangeSettings settings{FURL, {FRequestVersion, FAccept, FAcceptLanguage, FAgent}, FTimeout, FDeadline,
                                 FProxy, FProxyPort, FProxyUsername, FProxyPassword, FClock};
  THttpDoneNotice* notice = FNotice.get();
  pending->Run = std::make_unique<THttpRun>(std::move(settings), [notice] { notice->Post(); });
  WaitUntilDelivered(pending);
  if (pending->ClientGone) return;
  RaiseOnFailure(pending->Run->Result().ErrorCode);
}

// Pumps the thread's messages until the outcome has been delivered, by this loop or by another
// one that a handler runs meanwhile. Touches nothing of the client once a handler destroyed it.
void THttpClient::WaitUntilDelivered(const std::shared_ptr<TPending>& pending) {
  const THttpPump pump = FPump;  // a handler may destroy the client, and its pump with it
  while (!pending->Delivered && !pending->ClientGone) {
    if (pending->Run->WaitFinished(std::chrono::milliseconds(kHttpWaitSliceMs))) {
      Deliver();
      continue;
    }
    if (pending->Stopping || !pump) continue;
    if (!pump() && !pending->ClientGone) {
      // The application quits: the exchange ends with code 3, and no message is taken any more.
      pending->Stopping = true;
      pending->Run->Abort();
    }
  }
}

void THttpClient::Deliver() {
  const std::shared_ptr<TPending> pending = FPending;  // a notice can come after Get has ended
  if (!pending || pending->Delivered || !pending->Run->Finished()) return;
  pending->Delivered = true;
  const THttpExchangeResult& result = pending->Run->Result();
  FStatusCode = result.StatusCode;
  FReasonPhrase = result.ReasonPhrase;
  FLastUrl = result.Url;
  FErrorText = result.ErrorText;
  const std::string& body = pending->Run->Body();
  if (FRcvdStream) FRcvdStream->append(body);
  const THttpRequestDone onDone = FOnRequestDone;  // the handler may destroy this client
  if (onDone) onDone(this, THttpRequestType::Get, result.ErrorCode);
}

void THttpClient::RaiseOnFailure(uint16_t errorCode) const {
  if (errorCode != 0) {
    std::string what = "HTTP request failed (" + std::to_string(errorCode) + ")";
    if (!FErrorText.empty()) what += ": " + FErrorText;
    throw EHttpError(what, errorCode, FStatusCode);
  }
  if (FStatusCode >= kFirstErrorStatus && FStatusCode != kStatusUnauthorized && FStatusCode != kStatusProxyAuthRequired)
    throw EHttpError("HTTP status " + std::to_string(FStatusCode) + " " + FReasonPhrase, 0, FStatusCode);
}
