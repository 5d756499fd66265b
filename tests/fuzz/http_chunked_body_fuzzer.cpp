// A chunked body (RFC 7230 4.1), chunk sizes, extensions and trailers, read straight after a
// head that announced it: in pieces of the size the first byte chooses and all at once, with
// the same result.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/http/http_memory_stream.h"
#include "support/http/http_response.h"

namespace {

// Small, so the limit is reached often.
constexpr size_t kLimit = 4096;

// The body, or the exchange's code when it failed (with what arrived before).
std::pair<std::string, std::optional<uint16_t>> Read(const std::string& input, size_t piece) {
  TMemoryHttpStream stream(input, piece);
  THttpReader reader(stream);
  std::string body;
  std::optional<uint16_t> error;
  try {
    ReadBody(reader, {THttpBodyKind::Chunked, 0}, kLimit, [&](const char* data, size_t size) { body.append(data, size); });
  } catch (const EHttpExchangeFailure& e) {
    error = e.Code();  // a bad chunk ends the exchange with a code: the documented outcome
  }
  if (body.size() > kLimit) __builtin_trap();  // the limit must hold
  return {body, error};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t piece = data[0] == 0 ? 1 : data[0];
  if (Read(input, piece) != Read(input, kHttpReceiveBlockBytes)) __builtin_trap();
  return 0;
}
