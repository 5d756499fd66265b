#include "support/http/http_reader.h"

#include <algorithm>
#include <cstring>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"

bool THttpReader::Fill() {
  if (FPos == FBuffer.size()) {
    FBuffer.clear();
    FPos = 0;
  }
  const size_t old = FBuffer.size();
  FBuffer.resize(old + kHttpReceiveBlockBytes);
  const size_t count = FStream.Read(FBuffer.data() + old, kHttpReceiveBlockBytes);
  FBuffer.resize(old + count);
  FReceived += count;
  return count > 0;
}

std::optional<std::string> THttpReader::ReadLine(size_t maxLength) {
  size_t searched = FPos;
  for (;;) {
    const size_t end = FBuffer.find('\n', searched);
    if (end != std::string::npos) {
      size_t length = end - FPos;
      if (length > 0 && FBuffer[end - 1] == '\r') --length;
      if (length > maxLength) break;
      std::string line = FBuffer.substr(FPos, length);
      FPos = end + 1;
      return line;
    }
    if (FBuffer.size() - FPos > maxLength + 1) break;  // + 1: room for the CR
    searched = FBuffer.size();
    if (FPos > 0) {
      FBuffer.erase(0, FPos);
      searched -= FPos;
      FPos = 0;
    }
    if (!Fill()) return std::nullopt;
  }
  throw EHttpExchangeFailure(kHttpErrorAborted, "line too long");
}

size_t THttpReader::Read(char* buffer, size_t size) {
  if (FPos == FBuffer.size() && !Fill()) return 0;
  const size_t count = std::min(size, FBuffer.size() - FPos);
  std::memcpy(buffer, FBuffer.data() + FPos, count);
  FPos += count;
  return count;
}
