// A chunked body (RFC 7230 4.1), chunk sizes, extensions and trailers, read straight after a
// head that announced it. The first byte chooses the size of the pieces the bytes arrive in.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/download/http_errors.h"
#include "support/download/http_memory_stream.h"
#include "support/download/http_response.h"

namespace {

// Small, so the limit is reached often.
constexpr size_t kLimit = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t piece = data[0] == 0 ? 1 : data[0];
  TMemoryHttpStream stream(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), piece);
  THttpReader reader(stream);
  size_t received = 0;
  try {
    ReadBody(reader, {THttpBodyKind::Chunked, 0}, kLimit, [&](const char*, size_t n) { received += n; });
  } catch (const EHttpExchangeFailure&) {
    // A bad chunk ends the exchange with a code: the documented outcome.
  }
  if (received > kLimit) __builtin_trap();  // the limit must hold
  return 0;
}
