#pragma once
// Reading an HTTP/1.x response (RFC 7230): status line, header fields, and the body framed by
// Content-Length, by the chunked transfer coding, or by the server closing the connection.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/http/http_reader.h"

class THttpHeaders {
 public:
  void Add(std::string name, std::string value);
  std::optional<std::string> Find(std::string_view name) const;  // the first, case-insensitive
  std::vector<std::string> FindAll(std::string_view name) const;
  bool HasToken(std::string_view name, std::string_view token) const;  // in a comma list
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return FEntries; }

 private:
  std::vector<std::pair<std::string, std::string>> FEntries;
};

struct THttpResponseHead {
  int MinorVersion = 1;  // HTTP/1.x
  int Status = 0;
  std::string Reason;
  THttpHeaders Headers;
};

enum class THttpBodyKind { None, Length, Chunked, UntilClose };

struct THttpBodyFraming {
  THttpBodyKind Kind = THttpBodyKind::None;
  uint64_t Length = 0;  // for Length
};

using THttpBodySink = std::function<void(const char* data, size_t size)>;

// Status line and headers. Raises EHttpExchangeFailure: kHttpErrorNoStatusLine when the stream
// ends before a status line or the line is not one; kHttpErrorAborted for a head above
// kHttpMaxHeaderBytes or a malformed field; kWsaEDiscon when it ends inside the headers.
THttpResponseHead ReadResponseHead(THttpReader& reader);
// The same, skipping interim (1xx) answers.
THttpResponseHead ReadFinalResponseHead(THttpReader& reader);

// Raises kHttpErrorAborted for a Content-Length that is not one number.
THttpBodyFraming BodyFraming(const THttpResponseHead& head);
// Whether the connection can carry another request after this response.
bool KeepsConnection(const THttpResponseHead& head, const THttpBodyFraming& framing);

// Hands the decoded body to `sink`. Raises kHttpErrorAborted above `limit` bytes or for a bad
// chunk, and kWsaEDiscon when the stream ends before the body does.
void ReadBody(THttpReader& reader, const THttpBodyFraming& framing, size_t limit, const THttpBodySink& sink);
