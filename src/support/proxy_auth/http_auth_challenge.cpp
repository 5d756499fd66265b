#include "support/proxy_auth/http_auth_challenge.h"

#include "support/http_transport/http_text.h"

namespace {

bool IsTokenChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool IsToken68Char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("-._~+/").find(c) != std::string_view::npos;
}

class TChallengeLexer {
 public:
  explicit TChallengeLexer(std::string_view text) : FText(text) {}

  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek(size_t ahead = 0) const { return FPos + ahead < FText.size() ? FText[FPos + ahead] : '\0'; }
  void SkipSpaces() {
    while (Peek() == ' ' || Peek() == '\t') ++FPos;
  }
  void SkipSeparators() {
    while (Peek() == ' ' || Peek() == '\t' || Peek() == ',') ++FPos;
  }
  std::string Token() {
    const size_t start = FPos;
    while (IsTokenChar(Peek())) ++FPos;
    return std::string(FText.substr(start, FPos - start));
  }
  // A token68 ends the challenge: only spaces may follow before a comma or the end.
  std::optional<std::string> Token68() {
    size_t end = FPos;
    while (end < FText.size() && IsToken68Char(FText[end])) ++end;
    if (end == FPos) return std::nullopt;
    while (end < FText.size() && FText[end] == '=') ++end;
    size_t after = end;
    while (after < FText.size() && (FText[after] == ' ' || FText[after] == '\t')) ++after;
    if (after < FText.size() && FText[after] != ',') return std::nullopt;
    std::string token(FText.substr(FPos, end - FPos));
    FPos = after;
    return token;
  }
  // True when a "name =" follows, i.e. a parameter rather than the next scheme.
  bool ParamAhead() const {
    size_t at = FPos;
    while (at < FText.size() && IsTokenChar(FText[at])) ++at;
    if (at == FPos) return false;
    while (at < FText.size() && (FText[at] == ' ' || FText[at] == '\t')) ++at;
    return at < FText.size() && FText[at] == '=';
  }
  std::optional<std::string> Value() {
    SkipSpaces();
    if (Peek() != '"') {
      std::string token = Token();
      return token.empty() ? std::nullopt : std::optional<std::string>(token);
    }
    std::string value;
    for (++FPos; !AtEnd(); ++FPos) {
      char c = FText[FPos];
      if (c == '"') {
        ++FPos;
        return value;
      }
      if (c == '\\' && FPos + 1 < FText.size()) c = FText[++FPos];
      value += c;
    }
    return std::nullopt;  // unterminated
  }
  void Expect(char c) {
    SkipSpaces();
    if (Peek() == c) ++FPos;
  }

 private:
  std::string_view FText;
  size_t FPos = 0;
};

bool ReadParams(TChallengeLexer& lexer, THttpAuthChallenge& challenge) {
  while (lexer.ParamAhead()) {
    std::string name = AsciiLower(lexer.Token());
    lexer.Expect('=');
    auto value = lexer.Value();
    if (!value) return false;
    challenge.Params.emplace_back(std::move(name), std::move(*value));
    lexer.SkipSpaces();
    if (lexer.Peek() != ',') break;
    lexer.SkipSeparators();
  }
  return true;
}

}  // namespace

bool THttpAuthChallenge::IsScheme(std::string_view name) const { return EqualsIgnoreCase(Scheme, name); }

std::optional<std::string> THttpAuthChallenge::Param(std::string_view name) const {
  for (const auto& [key, value] : Params)
    if (EqualsIgnoreCase(key, name)) return value;
  return std::nullopt;
}

std::vector<THttpAuthChallenge> ParseAuthChallenges(std::string_view headerValue) {
  std::vector<THttpAuthChallenge> challenges;
  TChallengeLexer lexer(headerValue);
  for (lexer.SkipSeparators(); !lexer.AtEnd(); lexer.SkipSeparators()) {
    THttpAuthChallenge challenge;
    challenge.Scheme = lexer.Token();
    if (challenge.Scheme.empty()) break;
    lexer.SkipSpaces();
    // Token68 first: Base64 padding ("abc=") would otherwise read as a parameter.
    if (auto token = lexer.Token68()) challenge.Token68 = *token;
    const bool wellFormed = ReadParams(lexer, challenge);
    challenges.push_back(std::move(challenge));
    if (!wellFormed) break;
  }
  return challenges;
}

std::string QuoteHttpString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}
