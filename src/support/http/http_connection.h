#pragma once
// One TCP connection of an exchange, as an THttpStream: non-blocking socket, waits in short
// slices through the waiter (messages pumped, inactivity clock kept).
#include <cstdint>
#include <string>

#include "support/http/http_stream.h"
#include "support/http_transport/http_waiter.h"
#include "support/http_transport/socket.h"

class THttpConnection : public THttpStream {
 public:
  // Resolves `host` and connects to the first address that answers. Raises ESocketError with
  // the lookup's or the connection's number, or EHttpExchangeFailure when the wait is given up.
  THttpConnection(const std::string& host, uint16_t port, THttpWaiter& waiter);

  size_t Read(char* buffer, size_t size) override;
  void Write(std::string_view bytes) override;

  bool Serves(const std::string& host, uint16_t port) const;

 private:
  void Connect(const TIpv4Endpoint& endpoint);

  std::string FHost;
  uint16_t FPort;
  THttpWaiter& FWaiter;
  TSocket FSocket;
};
