#include "support/http/http_connection.h"

#include "support/http_transport/http_resolver.h"
#include "support/http_transport/http_text.h"

THttpConnection::THttpConnection(const std::string& host, uint16_t port, THttpWaiter& waiter)
    : FHost(host), FPort(port), FWaiter(waiter) {
  const std::vector<uint32_t> addresses = ResolveHostWhileWaiting(host, waiter);
  for (size_t i = 0; i < addresses.size(); ++i) {
    try {
      Connect({addresses[i], port});
      return;
    } catch (const ESocketError&) {
      if (i + 1 == addresses.size()) throw;
    }
  }
}

void THttpConnection::Connect(const TIpv4Endpoint& endpoint) {
  TSocket socket = TSocket::OpenTcp();
  if (!socket.StartConnect(endpoint)) {
    FWaiter.WaitForSocket(socket, TSocket::TWaitFor::Write);
    if (const uint16_t error = socket.ConnectResult()) throw ESocketError(error, "connection failed");
  }
  FWaiter.NoteActivity();
  FSocket = std::move(socket);
}

size_t THttpConnection::Read(char* buffer, size_t size) {
  for (;;) {
    if (const auto count = FSocket.Receive(buffer, size)) {
      FWaiter.NoteActivity();
      return *count;
    }
    FWaiter.WaitForSocket(FSocket, TSocket::TWaitFor::Read);
  }
}

void THttpConnection::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    if (const auto count = FSocket.Send(bytes.data(), bytes.size())) {
      FWaiter.NoteActivity();
      bytes.remove_prefix(*count);
    } else {
      FWaiter.WaitForSocket(FSocket, TSocket::TWaitFor::Write);
    }
  }
}

bool THttpConnection::Serves(const std::string& host, uint16_t port) const {
  return port == FPort && EqualsIgnoreCase(host, FHost);
}
