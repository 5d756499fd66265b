#pragma once
// A small TCP socket over IPv4, the one place that talks to the operating system's sockets
// (socket_posix.cpp, socket_win32.cpp with Winsock). Failures raise ESocketError with a Windows
// Sockets number on every platform.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/http_transport/socket_errors.h"

struct TIpv4Endpoint {
  uint32_t Address = 0;  // host byte order: 127.0.0.1 is 0x7f000001
  uint16_t Port = 0;
};

inline constexpr uint32_t kIpv4Loopback = 0x7f000001;

class TSocket {
 public:
  enum class TWaitFor { Read, Write };

  TSocket() = default;
  ~TSocket();
  TSocket(TSocket&& other) noexcept;
  TSocket& operator=(TSocket&& other) noexcept;
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;

  static TSocket OpenTcp();  // a non-blocking stream socket; urgent data arrives inline
  bool IsOpen() const;
  void Close();

  // True when connected at once; false while the connection is under way (wait for Write, then
  // ask ConnectResult).
  bool StartConnect(const TIpv4Endpoint& endpoint);
  uint16_t ConnectResult() const;  // 0, or the error number of the failed connection

  // True when ready (or in error, which the next call reports); false after timeoutMs.
  bool Wait(TWaitFor what, int timeoutMs) const;
  // Bytes moved; nothing when the call would block. Receive gives 0 when the peer has closed.
  std::optional<size_t> Send(const char* data, size_t size);
  std::optional<size_t> Receive(char* buffer, size_t size);
  void ShutdownSend();

  // Listening and accepting, for loopback servers (the tests, the benchmark).
  static TSocket ListenLoopback(uint16_t& port);  // bound to 127.0.0.1, port 0 = any free port
  bool SendUrgent(char byte);                      // one byte of TCP urgent data, as hostile peers send
  std::optional<TSocket> Accept(int timeoutMs);   // the connection, in blocking mode
  void SetBlocking(bool blocking);

 private:
  explicit TSocket(std::intptr_t handle) : FHandle(handle) {}
  std::intptr_t FHandle = -1;
};

// A dotted IPv4 literal ("127.0.0.1"), without asking any name server.
std::optional<uint32_t> ParseIpv4Literal(const std::string& host);
// The IPv4 addresses of a host name, asking the system resolver; blocks. ESocketError
// (kWsaHostNotFound and friends) when the name does not resolve.
std::vector<uint32_t> ResolveIpv4(const std::string& host);
