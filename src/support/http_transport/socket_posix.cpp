#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "support/http_transport/socket.h"

namespace {

// errno to the Windows Sockets number of the same condition.
uint16_t MapErrno(int error) {
  switch (error) {
    case EINTR: return kWsaEIntr;
    case EACCES: case EPERM: return kWsaEAccess;
    case EMFILE: case ENFILE: return kWsaEMFile;
    case EAGAIN: return kWsaEWouldBlock;
    case EINPROGRESS: return kWsaEInProgress;
    case EADDRINUSE: return kWsaEAddrInUse;
    case EADDRNOTAVAIL: return kWsaEAddrNotAvail;
    case ENETDOWN: return kWsaENetDown;
    case ENETUNREACH: return kWsaENetUnreach;
    case ECONNABORTED: return kWsaEConnAborted;
    case ECONNRESET: case EPIPE: return kWsaEConnReset;
    case ENOBUFS: case ENOMEM: return kWsaENoBufs;
    case ENOTCONN: return kWsaENotConn;
    case ETIMEDOUT: return kWsaETimedOut;
    case ECONNREFUSED: return kWsaEConnRefused;
    case EHOSTUNREACH: case EHOSTDOWN: return kWsaEHostUnreach;
    default: return kWsaEInval;
  }
}

uint16_t MapResolverError(int error, int savedErrno) {
  switch (error) {
    case EAI_NONAME: return kWsaHostNotFound;
    case EAI_AGAIN: return kWsaTryAgain;
#ifdef EAI_NODATA
    case EAI_NODATA: return kWsaNoData;
#endif
#ifdef EAI_ADDRFAMILY
    case EAI_ADDRFAMILY: return kWsaNoData;
#endif
    case EAI_MEMORY: return kWsaENoBufs;
    case EAI_SYSTEM: return MapErrno(savedErrno);
    default: return kWsaNoRecovery;
  }
}

[[noreturn]] void Fail(const char* call) {
  const int error = errno;
  throw ESocketError(MapErrno(error), std::string(call) + ": " + std::strerror(error));
}

sockaddr_in ToSockaddr(const TIpv4Endpoint& endpoint) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(endpoint.Address);
  address.sin_port = htons(endpoint.Port);
  return address;
}

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

std::optional<size_t> Transferred(ssize_t count, const char* call) {
  if (count >= 0) return size_t(count);
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return std::nullopt;
  Fail(call);
}

}  // namespace

TSocket TSocket::OpenTcp() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) Fail("socket");
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);  // requests go out in one write
  setsockopt(fd, SOL_SOCKET, SO_OOBINLINE, &on, sizeof on);  // urgent data: plain bytes in the stream
  return TSocket(fd);
}

void TSocket::Close() {
  if (FHandle != -1) ::close(Fd(FHandle));
  FHandle = -1;
}

bool TSocket::StartConnect(const TIpv4Endpoint& endpoint) {
  const sockaddr_in address = ToSockaddr(endpoint);
  if (::connect(Fd(FHandle), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
  if (errno == EINPROGRESS || errno == EINTR) return false;
  Fail("connect");
}

uint16_t TSocket::ConnectResult() const {
  int error = 0;
  socklen_t size = sizeof error;
  if (getsockopt(Fd(FHandle), SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
  return error == 0 ? 0 : MapErrno(error);
}

bool TSocket::Wait(TWaitFor what, int timeoutMs) const {
  pollfd entry{Fd(FHandle), short(what == TWaitFor::Read ? POLLIN : POLLOUT), 0};
  const int ready = ::poll(&entry, 1, timeoutMs);
  if (ready < 0 && errno != EINTR) Fail("poll");
  return ready > 0;
}

std::optional<size_t> TSocket::Send(const char* data, size_t size) {
  return Transferred(::send(Fd(FHandle), data, size, MSG_NOSIGNAL), "send");
}

std::optional<size_t> TSocket::Receive(char* buffer, size_t size) {
  return Transferred(::recv(Fd(FHandle), buffer, size, 0), "recv");
}

void TSocket::ShutdownSend() { ::shutdown(Fd(FHandle), SHUT_WR); }

bool TSocket::SendUrgent(char byte) { return ::send(Fd(FHandle), &byte, 1, MSG_OOB | MSG_NOSIGNAL) == 1; }

TSocket TSocket::ListenLoopback(uint16_t& port) {
  TSocket listener = OpenTcp();
  const int on = 1;
  setsockopt(Fd(listener.FHandle), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address = ToSockaddr({kIpv4Loopback, port});
  if (::bind(Fd(listener.FHandle), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) Fail("bind");
  if (::listen(Fd(listener.FHandle), SOMAXCONN) != 0) Fail("listen");
  socklen_t size = sizeof address;
  getsockname(Fd(listener.FHandle), reinterpret_cast<sockaddr*>(&address), &size);
  port = ntohs(address.sin_port);
  return listener;
}

std::optional<TSocket> TSocket::Accept(int timeoutMs) {
  if (!Wait(TWaitFor::Read, timeoutMs)) return std::nullopt;
  const int fd = ::accept4(Fd(FHandle), nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return std::nullopt;
  return TSocket(fd);  // accepted sockets start in blocking mode here
}

void TSocket::SetBlocking(bool blocking) {
  const int flags = fcntl(Fd(FHandle), F_GETFL);
  fcntl(Fd(FHandle), F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
}

std::vector<uint32_t> ResolveIpv4(const std::string& host) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* raw = nullptr;
  const int error = getaddrinfo(host.c_str(), nullptr, &hints, &raw);
  if (error != 0) throw ESocketError(MapResolverError(error, errno), "getaddrinfo: " + std::string(gai_strerror(error)));
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> found(raw, &freeaddrinfo);
  std::vector<uint32_t> addresses;
  for (const addrinfo* entry = found.get(); entry; entry = entry->ai_next)
    addresses.push_back(ntohl(reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr));
  if (addresses.empty()) throw ESocketError(kWsaNoData, "getaddrinfo: no IPv4 address");
  return addresses;
}
