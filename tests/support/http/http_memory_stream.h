#pragma once
// An THttpStream over strings: what the "server" says, handed out in pieces of a chosen size so
// every boundary of the parser gets crossed; what the client writes is kept.
#include <algorithm>
#include <cstring>
#include <string>

#include "support/http/http_stream.h"

class TMemoryHttpStream : public THttpStream {
 public:
  explicit TMemoryHttpStream(std::string input, size_t piece = 1 << 20) : FInput(std::move(input)), FPiece(piece) {}

  size_t Read(char* buffer, size_t size) override {
    const size_t count = std::min({size, FPiece, FInput.size() - FPos});
    std::memcpy(buffer, FInput.data() + FPos, count);
    FPos += count;
    return count;
  }
  void Write(std::string_view bytes) override { FWritten += bytes; }

  const std::string& Written() const { return FWritten; }
  size_t Consumed() const { return FPos; }

 private:
  std::string FInput;
  size_t FPiece;
  size_t FPos = 0;
  std::string FWritten;
};
