#include "http_test_server.h"

#include <chrono>

#include "support/http_transport/http_text.h"

namespace {
constexpr int kPollMs = 20;
}

bool TTestConnection::Stopping() const { return FServer.FStopping; }

bool TTestConnection::WaitReadable(std::chrono::steady_clock::time_point until) {
  while (!Stopping() && std::chrono::steady_clock::now() < until) {
    if (FSocket.Wait(TSocket::TWaitFor::Read, kPollMs)) return true;
  }
  return false;
}

std::string TTestConnection::ReadRequest() {
  for (;;) {
    const size_t end = FPending.find("\r\n\r\n");
    if (end != std::string::npos) {
      std::string request = FPending.substr(0, end + 4);
      FPending.erase(0, end + 4);
      FServer.Record(request);
      return request;
    }
    if (!WaitReadable()) return "";
    char buffer[4096];
    std::optional<size_t> count;
    try {
      count = FSocket.Receive(buffer, sizeof buffer);
    } catch (const ESocketError&) {
      return "";
    }
    if (!count || *count == 0) return "";
    FPending.append(buffer, *count);
  }
}

bool TTestConnection::Send(std::string_view bytes) {
  try {
    while (!bytes.empty()) {
      const auto sent = FSocket.Send(bytes.data(), bytes.size());
      if (!sent) return false;
      bytes.remove_prefix(*sent);
    }
    return true;
  } catch (const ESocketError&) {
    return false;
  }
}

void TTestConnection::SendInPieces(std::string_view bytes, size_t piece) {
  for (size_t at = 0; at < bytes.size(); at += piece) {
    Send(bytes.substr(at, piece));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void TTestConnection::WaitForClose() { WaitForClose(std::chrono::hours(24)); }

void TTestConnection::WaitForClose(std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  while (WaitReadable(until)) {
    try {
      const auto count = FSocket.Receive(buffer, sizeof buffer);
      if (count && *count == 0) return;
    } catch (const ESocketError&) {
      return;
    }
  }
}

TTestServer::TTestServer(TScript script) : FScript(std::move(script)) {
  FListener = TSocket::ListenLoopback(FPort);
  FThread = std::thread([this] { Serve(); });
}

TTestServer::~TTestServer() {
  FStopping = true;
  FThread.join();
}

void TTestServer::Serve() {
  while (!FStopping) {
    auto accepted = FListener.Accept(kPollMs);
    if (!accepted) continue;
    ++FConnections;
    TTestConnection connection(std::move(*accepted), *this);
    FScript(connection);
  }
}

void TTestServer::Record(const std::string& request) {
  std::lock_guard lock(FMutex);
  FRequests.push_back(request);
}

std::vector<std::string> TTestServer::Requests() const {
  std::lock_guard lock(FMutex);
  return FRequests;
}

std::string TTestServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(FPort) + path;
}

std::string RequestHeader(const std::string& request, const std::string& name) {
  size_t start = request.find("\r\n");
  while (start != std::string::npos && start + 2 < request.size()) {
    const size_t end = request.find("\r\n", start + 2);
    const std::string line = request.substr(start + 2, end - start - 2);
    const size_t colon = line.find(':');
    if (colon != std::string::npos && EqualsIgnoreCase(line.substr(0, colon), name))
      return std::string(TrimSpaces(std::string_view(line).substr(colon + 1)));
    start = end;
  }
  return "";
}

std::string Answer(const std::string& status, const std::string& body, const std::string& extra) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extra + "\r\n" + body;
}

TTestServer::TScript AnswerEvery(std::string body) {
  return [body = std::move(body)](TTestConnection& connection) {
    for (std::string request; !(request = connection.ReadRequest()).empty();) connection.Send(Answer("200 OK", body));
  };
}

TTestServer::TScript NeverAnswer() {
  return [](TTestConnection& connection) {
    connection.ReadRequest();
    connection.WaitForClose();
  };
}
