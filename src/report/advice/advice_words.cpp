#include "report/advice/advice_words.h"

namespace {
char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The phrases are a few letters long, so the scan is linear in the text for every use here.
bool ContainsWord(std::string_view text, std::string_view phrase) {
  if (phrase.empty() || text.size() < phrase.size()) return false;
  const char first = Fold(phrase.front());
  for (size_t at = 0; at + phrase.size() <= text.size(); ++at) {
    if (Fold(text[at]) != first) continue;
    if (!EqualsIgnoringCase(text.substr(at, phrase.size()), phrase)) continue;
    const bool letterBefore = at > 0 && IsAsciiLetter(text[at - 1]);
    const size_t end = at + phrase.size();
    const bool letterAfter = end < text.size() && IsAsciiLetter(text[end]);
    if (!letterBefore && !letterAfter) return true;
  }
  return false;
}

std::string_view TrimFirmwareBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<uint8_t> HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  const char folded = Fold(c);
  if (folded >= 'a' && folded <= 'f') return static_cast<uint8_t>(folded - 'a' + 10);
  return std::nullopt;
}

bool IsAllHex(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!HexDigitValue(c)) return false;
  }
  return true;
}
