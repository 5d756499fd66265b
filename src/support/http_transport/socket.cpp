#include "support/http_transport/socket.h"

#include <utility>

TSocket::~TSocket() { Close(); }

TSocket::TSocket(TSocket&& other) noexcept : FHandle(std::exchange(other.FHandle, -1)) {}

TSocket& TSocket::operator=(TSocket&& other) noexcept {
  if (this != &other) {
    Close();
    FHandle = std::exchange(other.FHandle, -1);
  }
  return *this;
}

bool TSocket::IsOpen() const { return FHandle != -1; }

std::optional<uint32_t> ParseIpv4Literal(const std::string& host) {
  uint32_t address = 0;
  int parts = 0;
  size_t i = 0;
  while (parts < 4) {
    uint32_t part = 0;
    const size_t start = i;
    while (i < host.size() && host[i] >= '0' && host[i] <= '9' && i - start < 3) part = part * 10 + uint32_t(host[i++] - '0');
    if (i == start || part > 255) return std::nullopt;
    address = address << 8 | part;
    if (++parts < 4) {
      if (i >= host.size() || host[i] != '.') return std::nullopt;
      ++i;
    }
  }
  if (i != host.size()) return std::nullopt;
  return address;
}
