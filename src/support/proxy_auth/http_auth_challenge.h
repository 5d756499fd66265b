#pragma once
// The challenges of a "Proxy-Authenticate" (or "WWW-Authenticate") header value (RFC 7235,
// section 4.1): a comma-separated list of schemes, each followed by a token68 or by
// comma-separated name=value parameters.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct THttpAuthChallenge {
  std::string Scheme;   // as sent
  std::string Token68;  // e.g. the Base64 message of "NTLM <data>"; empty when none
  std::vector<std::pair<std::string, std::string>> Params;  // names lower-cased, values unquoted

  bool IsScheme(std::string_view name) const;  // case-insensitive
  std::optional<std::string> Param(std::string_view name) const;
};

// Malformed parts end the list: what was recognised before them is kept.
std::vector<THttpAuthChallenge> ParseAuthChallenges(std::string_view headerValue);

// A quoted-string with '"' and '\' escaped, for writing parameters back.
std::string QuoteHttpString(std::string_view text);
