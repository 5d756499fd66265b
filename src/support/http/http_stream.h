#pragma once
// The byte stream an HTTP exchange talks through: a socket connection in the program, a string
// in the parser tests.
#include <cstddef>
#include <string_view>

class THttpStream {
 public:
  virtual ~THttpStream() = default;
  // At least one byte, or 0 when the peer has closed. Failures raise.
  virtual size_t Read(char* buffer, size_t size) = 0;
  virtual void Write(std::string_view bytes) = 0;  // all of it, or raise
};
