#include "support/http/http_response.h"

#include <algorithm>

#include "support/http_transport/http_errors.h"
#include "support/http_transport/http_limits.h"
#include "support/http_transport/http_text.h"
#include "support/http_transport/socket_errors.h"

namespace {

[[noreturn]] void Fail(uint16_t code, const std::string& what) { throw EHttpExchangeFailure(code, what); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsTokenChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) ||
         std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

// "HTTP/1.1 200 OK"; the reason may be empty or missing.
std::optional<THttpResponseHead> ParseStatusLine(const std::string& line) {
  if (line.size() < 12 || line.compare(0, 7, "HTTP/1.") != 0 || !IsDigit(line[7]) || line[8] != ' ' ||
      !IsDigit(line[9]) || !IsDigit(line[10]) || !IsDigit(line[11]) || (line.size() > 12 && line[12] != ' '))
    return std::nullopt;
  THttpResponseHead head;
  head.MinorVersion = line[7] - '0';
  head.Status = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
  if (head.Status < 100) return std::nullopt;
  if (line.size() > 13) head.Reason = line.substr(13);
  return head;
}

// Header and trailer fields up to the empty line, `budget` bytes at most.
void ReadFields(THttpReader& reader, THttpHeaders& headers, size_t budget) {
  std::vector<std::pair<std::string, std::string>> fields;
  for (;;) {
    const auto line = reader.ReadLine(budget);
    if (!line) Fail(kWsaEDiscon, "connection closed inside the header");
    if (line->empty()) break;
    budget -= std::min(budget, line->size() + 2);
    if (budget == 0) Fail(kHttpErrorAborted, "header too large");
    if ((*line)[0] == ' ' || (*line)[0] == '\t') {  // obsolete line folding
      if (fields.empty()) Fail(kHttpErrorAborted, "folded first header line");
      fields.back().second.append(" ").append(TrimSpaces(*line));
      continue;
    }
    const size_t colon = line->find(':');
    const std::string_view name = colon == std::string::npos ? "" : TrimSpaces(std::string_view(*line).substr(0, colon));
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsTokenChar)) Fail(kHttpErrorAborted, "malformed header line");
    fields.emplace_back(std::string(name), std::string(TrimSpaces(std::string_view(*line).substr(colon + 1))));
  }
  for (auto& [name, value] : fields) headers.Add(std::move(name), std::move(value));
}

std::optional<uint64_t> ParseDecimal(std::string_view text) {
  text = TrimSpaces(text);
  if (text.empty() || text.size() > 18) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + uint64_t(c - '0');
  }
  return value;
}

// All Content-Length values (several fields, or a comma list) must agree (RFC 7230, 3.3.2).
std::optional<uint64_t> ContentLength(const THttpHeaders& headers) {
  std::optional<uint64_t> length;
  for (const std::string& field : headers.FindAll("Content-Length")) {
    size_t start = 0;
    while (start <= field.size()) {
      size_t end = field.find(',', start);
      if (end == std::string::npos) end = field.size();
      const auto value = ParseDecimal(std::string_view(field).substr(start, end - start));
      if (!value || (length && *length != *value)) Fail(kHttpErrorAborted, "bad Content-Length");
      length = value;
      start = end + 1;
    }
  }
  return length;
}

void ReadExactly(THttpReader& reader, uint64_t count, const THttpBodySink& sink) {
  char block[kHttpReceiveBlockBytes];
  while (count > 0) {
    const size_t got = reader.Read(block, size_t(std::min<uint64_t>(count, sizeof block)));
    if (got == 0) Fail(kWsaEDiscon, "connection closed before the end of the body");
    sink(block, got);
    count -= got;
  }
}

void ReadUntilClose(THttpReader& reader, size_t limit, const THttpBodySink& sink) {
  char block[kHttpReceiveBlockBytes];
  size_t total = 0;
  while (const size_t got = reader.Read(block, sizeof block)) {
    total += got;
    if (total > limit) Fail(kHttpErrorAborted, "body too large");
    sink(block, got);
  }
}

uint64_t ParseChunkSize(const std::string& line) {
  const std::string_view size = TrimSpaces(std::string_view(line).substr(0, line.find(';')));
  if (size.empty() || size.size() > 15) Fail(kHttpErrorAborted, "bad chunk size");
  uint64_t value = 0;
  for (char c : size) {
    const int digit = IsDigit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    if (digit < 0) Fail(kHttpErrorAborted, "bad chunk size");
    value = value * 16 + uint64_t(digit);
  }
  return value;
}

void ReadChunked(THttpReader& reader, size_t limit, const THttpBodySink& sink) {
  uint64_t total = 0;
  for (;;) {
    const auto line = reader.ReadLine(kHttpMaxChunkLineBytes);
    if (!line) Fail(kWsaEDiscon, "connection closed inside the chunked body");
    const uint64_t size = ParseChunkSize(*line);
    if (size > limit - total) Fail(kHttpErrorAborted, "body too large");
    if (size == 0) break;
    ReadExactly(reader, size, sink);
    total += size;
    const auto end = reader.ReadLine(kHttpMaxChunkLineBytes);
    if (!end) Fail(kWsaEDiscon, "connection closed inside the chunked body");
    if (!end->empty()) Fail(kHttpErrorAborted, "chunk longer than announced");
  }
  THttpHeaders trailers;  // read and dropped
  ReadFields(reader, trailers, kHttpMaxHeaderBytes);
}

}  // namespace

void THttpHeaders::Add(std::string name, std::string value) { FEntries.emplace_back(std::move(name), std::move(value)); }

std::optional<std::string> THttpHeaders::Find(std::string_view name) const {
  for (const auto& [key, value] : FEntries)
    if (EqualsIgnoreCase(key, name)) return value;
  return std::nullopt;
}

std::vector<std::string> THttpHeaders::FindAll(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [key, value] : FEntries)
    if (EqualsIgnoreCase(key, name)) values.push_back(value);
  return values;
}

bool THttpHeaders::HasToken(std::string_view name, std::string_view token) const {
  for (const std::string& value : FindAll(name)) {
    size_t start = 0;
    while (start <= value.size()) {
      size_t end = value.find(',', start);
      if (end == std::string::npos) end = value.size();
      if (EqualsIgnoreCase(TrimSpaces(std::string_view(value).substr(start, end - start)), token)) return true;
      start = end + 1;
    }
  }
  return false;
}

THttpResponseHead ReadResponseHead(THttpReader& reader) {
  const auto line = reader.ReadLine(kHttpMaxHeaderBytes);
  if (!line) Fail(kHttpErrorNoStatusLine, "connection closed before the status line");
  auto head = ParseStatusLine(*line);
  if (!head) Fail(kHttpErrorNoStatusLine, "malformed status line");
  ReadFields(reader, head->Headers, kHttpMaxHeaderBytes - line->size());
  return std::move(*head);
}

THttpResponseHead ReadFinalResponseHead(THttpReader& reader) {
  for (int interim = 0; interim <= kHttpMaxInterimAnswers; ++interim) {
    THttpResponseHead head = ReadResponseHead(reader);
    if (head.Status >= 200) return head;
  }
  Fail(kHttpErrorAborted, "too many interim answers");
}

THttpBodyFraming BodyFraming(const THttpResponseHead& head) {
  if (head.Status < 200 || head.Status == 204 || head.Status == 304) return {};
  if (const auto coding = head.Headers.Find("Transfer-Encoding")) {
    // Only a final "chunked" frames the body; any other coding runs until the server closes.
    const std::string codings = AsciiLower(*coding);
    const std::string_view last = TrimSpaces(std::string_view(codings).substr(codings.rfind(',') + 1));
    return {last == "chunked" ? THttpBodyKind::Chunked : THttpBodyKind::UntilClose, 0};
  }
  if (const auto length = ContentLength(head.Headers)) return {THttpBodyKind::Length, *length};
  return {THttpBodyKind::UntilClose, 0};
}

bool KeepsConnection(const THttpResponseHead& head, const THttpBodyFraming& framing) {
  if (framing.Kind == THttpBodyKind::UntilClose || head.Headers.HasToken("Connection", "close")) return false;
  return head.MinorVersion >= 1 || head.Headers.HasToken("Connection", "keep-alive");
}

void ReadBody(THttpReader& reader, const THttpBodyFraming& framing, size_t limit, const THttpBodySink& sink) {
  switch (framing.Kind) {
    case THttpBodyKind::None:
      return;
    case THttpBodyKind::Length:
      if (framing.Length > limit) Fail(kHttpErrorAborted, "body too large");
      ReadExactly(reader, framing.Length, sink);
      return;
    case THttpBodyKind::Chunked:
      ReadChunked(reader, limit, sink);
      return;
    case THttpBodyKind::UntilClose:
      ReadUntilClose(reader, limit, sink);
      return;
  }
}
