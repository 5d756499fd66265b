#pragma once
// One exchange on a thread of its own. No message loop of the calling thread, a modal one
// included, can then hold it: its bytes are read and its clocks run while a dialog is up. The
// outcome waits here until the calling thread takes it.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "support/http/http_exchange.h"
#include "support/http_transport/http_waiter.h"

class THttpRun {
 public:
  // Starts the exchange. `finished` is called on the exchange's thread once the outcome is ready
  // (to wake the caller's thread); it is not called when no thread could be started.
  THttpRun(THttpExchangeSettings settings, std::function<void()> finished);
  ~THttpRun();  // Stop()
  THttpRun(const THttpRun&) = delete;
  THttpRun& operator=(const THttpRun&) = delete;

  void Abort();  // the exchange ends with kHttpErrorAborted within a wait slice
  void Stop();   // Abort, and wait for the thread to end
  // True once the outcome is ready, waiting up to `timeout` for it.
  bool WaitFinished(std::chrono::milliseconds timeout);
  bool Finished() { return WaitFinished(std::chrono::milliseconds(0)); }
  // Only once finished: the outcome, and the final answer's body (all that came of it).
  const THttpExchangeResult& Result() const { return FResult; }
  const std::string& Body() const { return FBody; }

 private:
  void Run();

  THttpExchangeSettings FSettings;
  std::function<void()> FFinished;
  THttpExchangeControl FControl;
  THttpExchangeResult FResult;
  std::string FBody;
  std::mutex FMutex;
  std::condition_variable FDone;
  bool FIsFinished = false;
  std::thread FThread;
};
