#pragma once
// Buffered reading of lines and bytes from an THttpStream.
#include <cstdint>
#include <optional>
#include <string>

#include "support/http/http_stream.h"

class THttpReader {
 public:
  explicit THttpReader(THttpStream& stream) : FStream(stream) {}

  // One line without its end (CR LF, or a bare LF). Nothing when the stream ends before the line
  // does. A line longer than maxLength raises EHttpExchangeFailure(kHttpErrorAborted).
  std::optional<std::string> ReadLine(size_t maxLength);
  // Up to `size` bytes; 0 at the end of the stream.
  size_t Read(char* buffer, size_t size);
  // Bytes taken from the stream so far (whether consumed or still buffered).
  uint64_t BytesReceived() const { return FReceived; }

 private:
  bool Fill();

  THttpStream& FStream;
  std::string FBuffer;
  size_t FPos = 0;
  uint64_t FReceived = 0;
};
