// A server's whole answer: interim answers, status line, header fields, and the body in the
// framing they announce. The answer is read twice, in pieces of the size the first byte
// chooses and all at once: how the bytes arrive must not change what is read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/http/http_memory_stream.h"
#include "support/http/http_response.h"

namespace {

struct TOutcome {
  int Status = 0;
  std::vector<std::pair<std::string, std::string>> Headers;
  bool KeepsConnection = false;
  std::string Body;
  int Error = -1;  // the exchange's code when it failed

  bool operator==(const TOutcome&) const = default;
};

TOutcome Read(const std::string& answer, size_t piece) {
  TMemoryHttpStream stream(answer, piece);
  THttpReader reader(stream);
  TOutcome outcome;
  try {
    const THttpResponseHead head = ReadFinalResponseHead(reader);
    outcome.Status = head.Status;
    outcome.Headers = head.Headers.Entries();
    const THttpBodyFraming framing = BodyFraming(head);
    outcome.KeepsConnection = KeepsConnection(head, framing);
    ReadBody(reader, framing, kHttpMaxBodyBytes, [&](const char* data, size_t size) { outcome.Body.append(data, size); });
  } catch (const EHttpExchangeFailure& e) {
    // A broken or hostile answer ends the exchange with a code: the documented outcome.
    outcome.Error = e.Code();
  }
  if (outcome.Body.size() > kHttpMaxBodyBytes) __builtin_trap();  // the limit must hold
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string answer(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t piece = data[0] == 0 ? 1 : data[0];
  if (!(Read(answer, piece) == Read(answer, kHttpReceiveBlockBytes))) __builtin_trap();
  return 0;
}
