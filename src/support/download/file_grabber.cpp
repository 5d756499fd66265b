#include "support/download/file_grabber.h"

#include <chrono>

#include "support/files/file_replace.h"
#include "support/run_log/run_log.h"

namespace {

constexpr int kCustomTimeoutSeconds = 3;
constexpr int kDownloadTimeoutSeconds = 10;
constexpr int32_t kLevelInfo = 1;
constexpr int32_t kLevelError = 2;
constexpr int kFirstSuccessStatus = 200;
constexpr int kLastSuccessStatus = 299;

// A millisecond tick that wraps like the system's 32-bit tick count.
uint32_t TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

void CustomizeHttpClient(THttpClient& client) {
  client.SetAgent("Mozilla/5.0");
  client.SetRequestVersion("1.1");
  client.SetAccept("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  client.SetAcceptLanguage("fr,fr-fr;q=0.8,en-us;q=0.5,en;q=0.3");
  client.SetTimeout(kCustomTimeoutSeconds);
}

TFileGrabber::TFileGrabber(TRunLog* log) : FLog(log), FSettingsReader(DefaultSettingsReader()) {}

TFileGrabber::~TFileGrabber() {
  FClient.reset();  // ends an exchange still open, before the body buffer goes
}

void TFileGrabber::SetBodyCheck(TBodyCheck check) { FBodyCheck = std::move(check); }

void TFileGrabber::SetSettingsReader(TSettingsReader reader) { FSettingsReader = std::move(reader); }

void TFileGrabber::SetMessagePump(THttpPump pump) { FPump = std::move(pump); }

void TFileGrabber::SetExchangeDeadline(std::chrono::milliseconds deadline) { FDeadline = deadline; }

void TFileGrabber::SetClock(THttpClock clock) { FClock = std::move(clock); }

void TFileGrabber::Download(const std::string& url, const NativePath& targetFile, void* owner,
                            std::function<void(TFileGrabber*)> onDone) {
  FURL = url;
  FTargetFile = targetFile;
  FClient.reset();
  FOnDone = std::move(onDone);
  FBody.clear();
  FClient = std::make_unique<THttpClient>(owner);
  CustomizeHttpClient(*FClient);
  FClient->SetTimeout(kDownloadTimeoutSeconds);
  FClient->SetDeadline(FDeadline);
  FClient->SetClock(FClock);
  const TProxySettings proxy = ReadProxySettings(FSettingsReader);
  for (const std::string& name : proxy.Ignored) Log("Proxy setting ignored : " + name + " is not a string", kLevelError);
  FClient->SetProxy(proxy.Host);
  FClient->SetProxyPort(proxy.Port);
  FClient->SetProxyUsername(proxy.UserName);
  FClient->SetProxyPassword(proxy.Password);
  FClient->SetURL(url);
  FClient->SetRcvdStream(&FBody);
  FClient->SetOnRequestDone([this](THttpClient* sender, THttpRequestType type, uint16_t code) {
    HttpRequestDone(sender, type, code);
  });
  if (FPump) FClient->SetMessagePump(FPump);
  FStartTick = TickCount();
  THttpClient* client = FClient.get();
  try {
    client->Get();
  } catch (const std::exception&) {
    // The outcome is already in the log; the grabber reports nothing to its caller. `this` may
    // be gone by now (destroyed by a handler run while waiting): touch nothing.
  }
}

void TFileGrabber::HttpRequestDone(THttpClient* sender, THttpRequestType, uint16_t errorCode) {
  const int status = sender->StatusCode();
  if (errorCode != 0)
    Log("File downloaded : Server error (" + std::to_string(errorCode) + ")", kLevelError);
  else if (status < kFirstSuccessStatus || status > kLastSuccessStatus)
    Log("File downloaded : Server error (" + std::to_string(status) + ")", kLevelError);
  else
    SaveBody();
  // A copy: the callback may destroy this grabber, or start another download.
  const auto onDone = FOnDone;
  if (onDone) onDone(this);
}

void TFileGrabber::SaveBody() {
  if (const std::string why = FBodyCheck ? FBodyCheck(FBody) : std::string(); !why.empty()) {
    Log("File downloaded : Refused (" + why + ")", kLevelError);
    return;
  }
  const int32_t elapsed = int32_t(TickCount() - FStartTick);
  Log("File downloaded in " + std::to_string(elapsed) + "ms", kLevelInfo);
  if (const uint32_t error = ReplaceFileContent(FTargetFile, FBody))
    Log("File downloaded : Write error (" + std::to_string(error) + ")", kLevelError);
}

void TFileGrabber::Log(const std::string& text, int32_t level) const {
  if (FLog) FLog->Add(text, level);
}
