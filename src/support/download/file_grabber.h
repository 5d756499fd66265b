#pragma once
// Fetches one file over HTTP into a local path and records the outcome in the run log.
//
// Download blocks its caller until the exchange has ended (or has been given up after 10 seconds
// without network activity, or 30 seconds in all); on Windows the thread's messages keep being
// dispatched meanwhile, so other handlers may run inside it. The exchange itself runs on a
// thread of its own: a modal dialog opened by such a handler does not hold it, and the outcome
// (log line, file, OnDone) comes through that dialog's loop. The outcome shows only in the run log, in the target file
// and through OnDone, which always runs once per download:
//   completed with a 2xx status: Info "File downloaded in <ms>ms", then the body replaces the
//     target file (through a temporary file beside it); a failed write adds Error
//     "File downloaded : Write error (<system error code>)";
//   completed with a 2xx status whose body the body check refuses: Error
//     "File downloaded : Refused (<why>)";
//   completed with another status: Error "File downloaded : Server error (<status>)";
//   failed: Error "File downloaded : Server error (<error code>)"; see http_errors.h.
// In every error case the target file is left untouched. A proxy setting stored with another
// type than string is read as absent, with Error "Proxy setting ignored : <name> is not a string".
//
// Destroying the grabber from a handler that runs inside Download (the main window closing
// during start-up) is safe: the exchange ends at once, no line is logged, OnDone does not run,
// and Download returns without touching the destroyed grabber. A WM_QUIT met while waiting ends
// the exchange with code 3 and is posted again for the application's own loop.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "support/download/file_grabber_settings.h"
#include "support/http/http_client.h"
#include "support/files/native_path.h"

class TRunLog;

// Why a body may not replace the target file, or empty when it may.
using TBodyCheck = std::function<std::string(std::string_view body)>;

// The program's browser-like request defaults: agent, HTTP/1.1, Accept, Accept-Language, and a
// timeout of 3 seconds.
void CustomizeHttpClient(THttpClient& client);

class TFileGrabber {
 public:
  explicit TFileGrabber(TRunLog* log);  // the log is not owned; may be null
  ~TFileGrabber();
  TFileGrabber(const TFileGrabber&) = delete;
  TFileGrabber& operator=(const TFileGrabber&) = delete;

  // owner: handed to the HTTP client as its owning component. A failing registry read of the
  // proxy settings leaves here before any request is made.
  void Download(const std::string& url, const NativePath& targetFile, void* owner,
                std::function<void(TFileGrabber*)> onDone = nullptr);

  void SetBodyCheck(TBodyCheck check);            // none unless set: every 2xx body is saved
  void SetSettingsReader(TSettingsReader reader);  // DefaultSettingsReader() unless replaced
  void SetMessagePump(THttpPump pump);             // for tests: what runs while Download waits
  void SetExchangeDeadline(std::chrono::milliseconds deadline);  // for tests; 30 s unless changed
  void SetClock(THttpClock clock);  // for tests: where the client's timeouts read the time

 private:
  void HttpRequestDone(THttpClient* sender, THttpRequestType requestType, uint16_t errorCode);
  void SaveBody();
  void Log(const std::string& text, int32_t level) const;

  uint32_t FStartTick = 0;
  TRunLog* FLog;
  std::string FURL;
  NativePath FTargetFile;
  std::function<void(TFileGrabber*)> FOnDone;
  std::string FBody;
  std::unique_ptr<THttpClient> FClient;
  TBodyCheck FBodyCheck;
  TSettingsReader FSettingsReader;
  THttpPump FPump;
  std::chrono::milliseconds FDeadline = std::chrono::seconds(kHttpExchangeDeadlineSeconds);
  THttpClock FClock;
};
