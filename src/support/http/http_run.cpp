#include "support/http/http_run.h"

#include <system_error>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/socket_errors.h"

THttpRun::THttpRun(THttpExchangeSettings settings, std::function<void()> finished)
    : FSettings(std::move(settings)), FFinished(std::move(finished)) {
  try {
    FThread = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    FResult.ErrorCode = kWsaENoBufs;
    FResult.ErrorText = "no thread for the exchange";
    FIsFinished = true;
  }
}

THttpRun::~THttpRun() { Stop(); }

void THttpRun::Abort() { FControl.Aborted = true; }

void THttpRun::Stop() {
  Abort();
  if (FThread.joinable()) FThread.join();
}

bool THttpRun::WaitFinished(std::chrono::milliseconds timeout) {
  std::unique_lock lock(FMutex);
  return FDone.wait_for(lock, timeout, [this] { return FIsFinished; });
}

void THttpRun::Run() {
  THttpExchangeResult result;
  try {
    result = RunHttpExchange(FSettings, [this](const char* data, size_t size) { FBody.append(data, size); }, FControl);
  } catch (const std::exception& failure) {  // out of memory: nothing may leave a thread
    result.ErrorCode = kHttpErrorAborted;
    result.ErrorText = failure.what();
  }
  {
    std::lock_guard lock(FMutex);
    FResult = std::move(result);
    FIsFinished = true;
  }
  FDone.notify_all();
  if (FFinished) FFinished();
}
