// A server's whole answer: interim answers, status line, header fields, and the body in the
// framing they announce. The first byte chooses how the bytes arrive (one at a time up to all
// at once), so every read boundary of the parser gets crossed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/download/http_errors.h"
#include "support/download/http_limits.h"
#include "support/download/http_memory_stream.h"
#include "support/download/http_response.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t piece = data[0] == 0 ? kHttpReceiveBlockBytes : data[0];
  TMemoryHttpStream stream(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), piece);
  THttpReader reader(stream);
  size_t received = 0;
  try {
    const THttpResponseHead head = ReadFinalResponseHead(reader);
    const THttpBodyFraming framing = BodyFraming(head);
    KeepsConnection(head, framing);
    ReadBody(reader, framing, kHttpMaxBodyBytes, [&](const char*, size_t n) { received += n; });
  } catch (const EHttpExchangeFailure&) {
    // A broken or hostile answer ends the exchange with a code: the documented outcome.
  }
  if (received > kHttpMaxBodyBytes) __builtin_trap();  // the limit must hold
  return 0;
}
