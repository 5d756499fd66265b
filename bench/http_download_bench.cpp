// A 1 KiB file fetched over loopback: the HTTP client alone, and the whole download (client,
// file replaced through a temporary file). Goal: under 2 ms.
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "support/download/file_grabber.h"
#include "support/http/http_client.h"
#include "support/http_transport/socket.h"

namespace {

constexpr size_t kFileBytes = 1024;
constexpr int kAcceptPollMs = 20;

// Answers every connection with the 1 KiB file, then closes it.
class TFileServer {
 public:
  TFileServer() : FListener(TSocket::ListenLoopback(FPort)), FThread([this] { Serve(); }) {}
  ~TFileServer() {
    FStopping = true;
    FThread.join();
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(FPort) + "/modulix/modulix.ini"; }

 private:
  void Serve() {
    const std::string answer =
        "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kFileBytes) + "\r\n\r\n" + std::string(kFileBytes, 'x');
    while (!FStopping) {
      auto connection = FListener.Accept(kAcceptPollMs);
      if (!connection) continue;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const auto count = connection->Receive(buffer, sizeof buffer);
        if (!count || *count == 0) break;
        request.append(buffer, *count);
      }
      connection->Send(answer.data(), answer.size());
    }
  }

  uint16_t FPort = 0;
  TSocket FListener;
  std::atomic<bool> FStopping{false};
  std::thread FThread;
};

void BM_HttpClientGet1KiB(benchmark::State& state) {
  TFileServer server;
  for (auto _ : state) {
    THttpClient client;
    CustomizeHttpClient(client);
    std::string body;
    client.SetURL(server.Url());
    client.SetRcvdStream(&body);
    client.Get();
    if (body.size() != kFileBytes) state.SkipWithError("short body");
  }
}
BENCHMARK(BM_HttpClientGet1KiB)->Unit(benchmark::kMicrosecond);

void BM_FileGrabberDownload1KiB(benchmark::State& state) {
  TFileServer server;
  const std::string target = (std::filesystem::temp_directory_path() / "modulix-bench-modulix.ini").string();
  TFileGrabber grabber(nullptr);
  for (auto _ : state) grabber.Download(server.Url(), target, nullptr);
  if (std::filesystem::file_size(target) != kFileBytes) state.SkipWithError("file not written");
  std::filesystem::remove(target);
}
BENCHMARK(BM_FileGrabberDownload1KiB)->Unit(benchmark::kMicrosecond);

}  // namespace
