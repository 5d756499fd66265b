#include "support/http_transport/http_waiter.h"

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"

THttpWaiter::THttpWaiter(std::chrono::milliseconds timeout, std::chrono::milliseconds deadline,
                         const THttpExchangeControl& control, THttpClock clock)
    : FTimeout(timeout),
      FControl(control),
      FClock(clock ? std::move(clock) : THttpClock(std::chrono::steady_clock::now)),
      FLastActivity(FClock()),
      FDeadline(FLastActivity + deadline) {}

void THttpWaiter::NoteActivity() {
  FLastActivity = FClock();
  CheckDeadline(FLastActivity);
}

void THttpWaiter::Idle() const {
  CheckAbortAndDeadline();
  if (FClock() - FLastActivity >= FTimeout)
    throw EHttpExchangeFailure(kHttpErrorTimeout, "request aborted on timeout");
}

// The deadline ends the exchange exactly as the inactivity timeout does.
void THttpWaiter::CheckDeadline(std::chrono::steady_clock::time_point now) const {
  if (now >= FDeadline) throw EHttpExchangeFailure(kHttpErrorTimeout, "request aborted on timeout");
}

void THttpWaiter::CheckAbortAndDeadline() const {
  if (FControl.Aborted) throw EHttpExchangeFailure(kHttpErrorAborted, "request aborted");
  CheckDeadline(FClock());
}

void THttpWaiter::WaitForSocket(const TSocket& socket, TSocket::TWaitFor what) const {
  while (!socket.Wait(what, kHttpWaitSliceMs)) Idle();
  // A readiness that brings no bytes must not keep an abandoned or overdue exchange going.
  CheckAbortAndDeadline();
}
