#pragma once
// The waiting side of an exchange, on the thread that runs it: short socket waits, the
// inactivity clock, the exchange's overall deadline, and the check that ends an exchange its
// client has given up.
#include <atomic>
#include <chrono>
#include <functional>

#include "support/http_transport/socket.h"

// Set by the client's thread, read by the exchange's.
struct THttpExchangeControl {
  std::atomic<bool> Aborted{false};
};

// Where the waiter reads the time: the steady clock unless a test gives its own, which is then
// read on the exchange's thread.
using THttpClock = std::function<std::chrono::steady_clock::time_point()>;

class THttpWaiter {
 public:
  // Both clocks start now.
  THttpWaiter(std::chrono::milliseconds timeout, std::chrono::milliseconds deadline, const THttpExchangeControl& control,
              THttpClock clock = nullptr);

  // Bytes moved, a connection made, a name resolved: the inactivity clock starts again. The
  // deadline is looked at here too, so bytes that keep coming cannot hold the exchange.
  void NoteActivity();
  // Raises EHttpExchangeFailure with kHttpErrorAborted when the exchange was abandoned, and with
  // kHttpErrorTimeout when nothing has moved for the timeout or the deadline has passed.
  void Idle() const;
  // Returns when the socket is ready; the clocks are looked at after every slice, a ready one too.
  void WaitForSocket(const TSocket& socket, TSocket::TWaitFor what) const;

 private:
  void CheckDeadline(std::chrono::steady_clock::time_point now) const;
  void CheckAbortAndDeadline() const;

  std::chrono::milliseconds FTimeout;
  const THttpExchangeControl& FControl;
  THttpClock FClock;
  std::chrono::steady_clock::time_point FLastActivity;
  std::chrono::steady_clock::time_point FDeadline;
};
