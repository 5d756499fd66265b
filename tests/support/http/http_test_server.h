#pragma once
// A loopback HTTP server run by a thread of the test program on 127.0.0.1 and a free port. Each
// accepted connection is handed to the test's script, one connection at a time; every request
// head it reads is recorded.
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/http_transport/socket.h"

class TTestServer;

class TTestConnection {
 public:
  TTestConnection(TSocket socket, TTestServer& server) : FSocket(std::move(socket)), FServer(server) {}

  // The next request head, up to and with its empty line; empty when the client closed first
  // or the server is stopping.
  std::string ReadRequest();
  bool Send(std::string_view bytes);  // false once the client has gone away
  void SendInPieces(std::string_view bytes, size_t piece);
  bool SendUrgent(char byte) { return FSocket.SendUrgent(byte); }  // TCP urgent data (MSG_OOB)
  void Close() { FSocket.Close(); }
  // Waits until the client closes the connection or the server stops; reads and drops bytes.
  void WaitForClose();
  // The same, but gives up after `limit`: a client that would never close cannot hold the test.
  void WaitForClose(std::chrono::milliseconds limit);
  bool Stopping() const;

 private:
  bool WaitReadable(std::chrono::steady_clock::time_point until = std::chrono::steady_clock::time_point::max());

  TSocket FSocket;
  TTestServer& FServer;
  std::string FPending;
};

class TTestServer {
 public:
  using TScript = std::function<void(TTestConnection&)>;

  explicit TTestServer(TScript script);
  ~TTestServer();

  uint16_t Port() const { return FPort; }
  std::string Url(const std::string& path) const;  // "http://127.0.0.1:<port>" + path
  std::vector<std::string> Requests() const;
  int Connections() const { return FConnections; }

 private:
  friend class TTestConnection;
  void Serve();
  void Record(const std::string& request);

  TScript FScript;
  uint16_t FPort = 0;
  TSocket FListener;
  std::atomic<bool> FStopping{false};
  std::atomic<int> FConnections{0};
  mutable std::mutex FMutex;
  std::vector<std::string> FRequests;
  std::thread FThread;
};

// The value of a header field in a recorded request head; empty when absent.
std::string RequestHeader(const std::string& request, const std::string& name);
// "HTTP/1.1 <status>\r\nContent-Length: n\r\n<extra>\r\n<body>", extra being full header lines.
std::string Answer(const std::string& status, const std::string& body, const std::string& extra = "");
// Scripts of the usual servers: every request answered 200 OK with `body`; the request read and
// never answered.
TTestServer::TScript AnswerEvery(std::string body);
TTestServer::TScript NeverAnswer();
