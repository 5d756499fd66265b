#include "support/download/http_waiter.h"

#include "support/download/http_errors.h"
#include "support/download/http_limits.h"

THttpWaiter::THttpWaiter(std::chrono::milliseconds timeout, THttpPump pump, const THttpExchangeControl& control)
    : FTimeout(timeout), FPump(std::move(pump)), FControl(control), FLastActivity(std::chrono::steady_clock::now()) {}

void THttpWaiter::NoteActivity() { FLastActivity = std::chrono::steady_clock::now(); }

void THttpWaiter::Idle() {
  const bool goOn = !FPump || FPump();
  // The pump may have run a handler that destroyed the client: look at nothing but the control.
  if (!goOn || FControl.Aborted) throw EHttpExchangeFailure(kHttpErrorAborted, "request aborted");
  if (std::chrono::steady_clock::now() - FLastActivity >= FTimeout)
    throw EHttpExchangeFailure(kHttpErrorTimeout, "request aborted on timeout");
}

void THttpWaiter::WaitForSocket(const TSocket& socket, TSocket::TWaitFor what) {
  while (!socket.Wait(what, kHttpWaitSliceMs)) Idle();
}
