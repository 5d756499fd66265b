#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>

#include "support/http_transport/socket.h"

namespace {

// Winsock is started once per process, on first use, and kept for the process's life: a name
// lookup left running on its own thread (a slow name server, an exchange that gave up) may still
// be inside getaddrinfo when the program exits, and a WSACleanup at exit would pull Winsock from
// under it. The system releases it with the process.
void EnsureWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}

[[noreturn]] void Fail(const char* call) {
  const int error = WSAGetLastError();
  throw ESocketError(uint16_t(error), std::string(call) + " failed (" + std::to_string(error) + ")");
}

sockaddr_in ToSockaddr(const TIpv4Endpoint& endpoint) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(endpoint.Address);
  address.sin_port = htons(endpoint.Port);
  return address;
}

SOCKET Sock(std::intptr_t handle) { return static_cast<SOCKET>(handle); }

std::optional<size_t> Transferred(int count, const char* call) {
  if (count != SOCKET_ERROR) return size_t(count);
  if (WSAGetLastError() == WSAEWOULDBLOCK) return std::nullopt;
  Fail(call);
}

}  // namespace

TSocket TSocket::OpenTcp() {
  EnsureWinsock();
  const SOCKET handle = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (handle == INVALID_SOCKET) Fail("socket");
  TSocket socket(static_cast<std::intptr_t>(handle));
  socket.SetBlocking(false);
  const BOOL on = TRUE;
  setsockopt(handle, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  // Urgent data as plain bytes in the stream: never a condition that a normal read cannot clear.
  setsockopt(handle, SOL_SOCKET, SO_OOBINLINE, reinterpret_cast<const char*>(&on), sizeof on);
  return socket;
}

void TSocket::Close() {
  if (FHandle != -1) closesocket(Sock(FHandle));
  FHandle = -1;
}

bool TSocket::StartConnect(const TIpv4Endpoint& endpoint) {
  const sockaddr_in address = ToSockaddr(endpoint);
  if (::connect(Sock(FHandle), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
  if (WSAGetLastError() == WSAEWOULDBLOCK) return false;
  Fail("connect");
}

uint16_t TSocket::ConnectResult() const {
  int error = 0;
  int size = sizeof error;
  if (getsockopt(Sock(FHandle), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
    error = WSAGetLastError();
  return uint16_t(error);
}

bool TSocket::Wait(TWaitFor what, int timeoutMs) const {
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(Sock(FHandle), &ready);
  FD_SET(Sock(FHandle), &failed);
  timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  // Exceptional conditions matter only while connecting: a refused connection shows there, not
  // as writable. When reading they would also flag urgent data, which a normal read never clears.
  const int count = what == TWaitFor::Read ? ::select(0, &ready, nullptr, nullptr, &timeout)
                                           : ::select(0, nullptr, &ready, &failed, &timeout);
  if (count == SOCKET_ERROR) Fail("select");
  return count > 0;
}

std::optional<size_t> TSocket::Send(const char* data, size_t size) {
  return Transferred(::send(Sock(FHandle), data, int(size), 0), "send");
}

std::optional<size_t> TSocket::Receive(char* buffer, size_t size) {
  return Transferred(::recv(Sock(FHandle), buffer, int(size), 0), "recv");
}

void TSocket::ShutdownSend() { ::shutdown(Sock(FHandle), SD_SEND); }

bool TSocket::SendUrgent(char byte) { return ::send(Sock(FHandle), &byte, 1, MSG_OOB) == 1; }

TSocket TSocket::ListenLoopback(uint16_t& port) {
  TSocket listener = OpenTcp();
  sockaddr_in address = ToSockaddr({kIpv4Loopback, port});
  if (::bind(Sock(listener.FHandle), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) Fail("bind");
  if (::listen(Sock(listener.FHandle), SOMAXCONN) != 0) Fail("listen");
  int size = sizeof address;
  getsockname(Sock(listener.FHandle), reinterpret_cast<sockaddr*>(&address), &size);
  port = ntohs(address.sin_port);
  return listener;
}

std::optional<TSocket> TSocket::Accept(int timeoutMs) {
  if (!Wait(TWaitFor::Read, timeoutMs)) return std::nullopt;
  const SOCKET handle = ::accept(Sock(FHandle), nullptr, nullptr);
  if (handle == INVALID_SOCKET) return std::nullopt;
  TSocket accepted(static_cast<std::intptr_t>(handle));
  accepted.SetBlocking(true);  // Winsock hands on the listener's non-blocking mode
  return accepted;
}

void TSocket::SetBlocking(bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  ioctlsocket(Sock(FHandle), FIONBIO, &nonBlocking);
}

std::vector<uint32_t> ResolveIpv4(const std::string& host) {
  EnsureWinsock();
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* raw = nullptr;
  const int error = getaddrinfo(host.c_str(), nullptr, &hints, &raw);
  if (error != 0) throw ESocketError(uint16_t(error), "getaddrinfo failed (" + std::to_string(error) + ")");
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> found(raw, &freeaddrinfo);
  std::vector<uint32_t> addresses;
  for (const addrinfo* entry = found.get(); entry; entry = entry->ai_next)
    addresses.push_back(ntohl(reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr));
  if (addresses.empty()) throw ESocketError(kWsaNoData, "getaddrinfo: no IPv4 address");
  return addresses;
}
