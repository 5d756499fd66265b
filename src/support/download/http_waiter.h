#pragma once
// The waiting side of an exchange: short socket waits, the thread's messages in between, the
// inactivity clock, and the checks that end an exchange its owner has given up.
#include <chrono>

#include "support/download/http_pump.h"
#include "support/download/socket.h"

// Shared between a client and the exchange it runs, so the client may be destroyed (or abort)
// from a message handler run by the pump while the exchange is still on the stack.
struct THttpExchangeControl {
  bool Aborted = false;
  bool ClientGone = false;
};

class THttpWaiter {
 public:
  THttpWaiter(std::chrono::milliseconds timeout, THttpPump pump, const THttpExchangeControl& control);

  void NoteActivity();  // bytes moved, a connection made, a name resolved
  // One idle slice is over: runs the pump, then raises EHttpExchangeFailure with
  // kHttpErrorAborted when the exchange was abandoned or the application quits, and with
  // kHttpErrorTimeout when nothing has moved for the timeout.
  void Idle();
  void WaitForSocket(const TSocket& socket, TSocket::TWaitFor what);

 private:
  std::chrono::milliseconds FTimeout;
  THttpPump FPump;
  const THttpExchangeControl& FControl;
  std::chrono::steady_clock::time_point FLastActivity;
};
