#pragma once
// Our HTTP/1.1 client: one GET at a time, with the program's own request headers and nothing
// else, an optional proxy with NTLM, Digest or Basic authentication, redirections followed, and
// a blocking Get that keeps the calling thread's messages flowing while it waits.
//
// The exchange runs on a thread of its own. The request-done event is raised once per exchange,
// on the thread that called Get, before Get returns: error code 0 when the exchange completed
// (whatever the status), else see http_errors.h. On Windows it comes through a hidden window of
// that thread, so any message loop there delivers it, a modal one run from a handler inside
// Get's wait too; the body reaches the receive stream just before it.
//
// Destroying the client (or calling Abort) from a message handler that runs while Get waits is
// allowed: the exchange ends at once; after destruction no event is raised and nothing of the
// client is touched again. The receive buffer must outlive the client's exchange or the client.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/http_transport/http_pump.h"
#include "support/http_transport/http_waiter.h"

enum class THttpRequestType { Get };

class THttpClient;
class THttpDoneNotice;
using THttpRequestDone = std::function<void(THttpClient* sender, THttpRequestType requestType, uint16_t errorCode)>;

class THttpClient {
 public:
  explicit THttpClient(void* owner = nullptr);
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  // Settings. Header values must not hold CR, LF or NUL (std::invalid_argument).
  void SetURL(const std::string& url) { FURL = url; }
  const std::string& URL() const { return FURL; }
  void SetAgent(const std::string& agent);
  const std::string& Agent() const { return FAgent; }
  void SetRequestVersion(const std::string& version);  // "1.0" or "1.1" only
  const std::string& RequestVersion() const { return FRequestVersion; }
  void SetAccept(const std::string& accept);
  const std::string& Accept() const { return FAccept; }
  void SetAcceptLanguage(const std::string& acceptLanguage);
  const std::string& AcceptLanguage() const { return FAcceptLanguage; }
  void SetTimeout(int seconds) { FTimeout = seconds; }  // without network activity; at least 1
  int Timeout() const { return FTimeout; }
  // For the whole exchange, however busy; kHttpExchangeDeadlineSeconds unless changed (tests).
  void SetDeadline(std::chrono::milliseconds deadline) { FDeadline = deadline; }
  std::chrono::milliseconds Deadline() const { return FDeadline; }
  // Where the timeout and the deadline read the time; the steady clock unless replaced (tests).
  void SetClock(THttpClock clock) { FClock = std::move(clock); }
  void SetProxy(const std::string& host) { FProxy = host; }  // "host" or "host:port"; empty: direct
  const std::string& Proxy() const { return FProxy; }
  void SetProxyPort(const std::string& port) { FProxyPort = port; }
  const std::string& ProxyPort() const { return FProxyPort; }
  void SetProxyUsername(const std::string& name) { FProxyUsername = name; }
  const std::string& ProxyUsername() const { return FProxyUsername; }
  void SetProxyPassword(const std::string& password) { FProxyPassword = password; }
  const std::string& ProxyPassword() const { return FProxyPassword; }
  // The final answer's body is appended to this buffer (a string, not a stream: streams would
  // bring the C++ locale machinery into the program).
  void SetRcvdStream(std::string* body) { FRcvdStream = body; }
  std::string* RcvdStream() const { return FRcvdStream; }
  void SetOnRequestDone(THttpRequestDone handler) { FOnRequestDone = std::move(handler); }
  // What runs between socket waits; PumpThreadMessages unless replaced (tests).
  void SetMessagePump(THttpPump pump) { FPump = std::move(pump); }
  void* Owner() const { return FOwner; }

  // Blocks until the exchange has ended and its event has been raised. Raises EHttpError when
  // busy, when the error code is not 0, or for a status of 400 and above other than 401 and 407
  // (after the event).
  void Get();
  void Abort();  // ends the running exchange with code 3; Get pumps no more messages meanwhile
  bool Busy() const { return FPending != nullptr; }

  // The outcome of the last exchange.
  int StatusCode() const { return FStatusCode; }
  const std::string& ReasonPhrase() const { return FReasonPhrase; }
  const std::string& LastUrl() const { return FLastUrl; }  // after redirections
  const std::string& ErrorText() const { return FErrorText; }  // why it failed; empty when it did not

 private:
  struct TPending;

  void WaitUntilDelivered(const std::shared_ptr<TPending>& pending);
  void Deliver();
  void RaiseOnFailure(uint16_t errorCode) const;

  void* FOwner;
  std::string FURL;
  std::string FAgent;
  std::string FRequestVersion = "1.1";
  std::string FAccept;
  std::string FAcceptLanguage;
  int FTimeout = 30;
  std::chrono::milliseconds FDeadline = std::chrono::seconds(kHttpExchangeDeadlineSeconds);
  THttpClock FClock;
  std::string FProxy;
  std::string FProxyPort;
  std::string FProxyUsername;
  std::string FProxyPassword;
  std::string* FRcvdStream = nullptr;
  THttpRequestDone FOnRequestDone;
  THttpPump FPump;
  std::unique_ptr<THttpDoneNotice> FNotice;  // made by the first Get, on its thread
  std::shared_ptr<TPending> FPending;       // set while Get runs
  int FStatusCode = 0;
  std::string FReasonPhrase;
  std::string FLastUrl;
  std::string FErrorText;
};
