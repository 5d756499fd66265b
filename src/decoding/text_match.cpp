#include "decoding/text_match.h"

#include <algorithm>
#include <string>

#include "decoding/manufacturer.h"

namespace {
// A function object rather than a function, so the comparison loops inline it.
struct EqualIgnoringAsciiCase {
  bool operator()(char a, char b) const { return FoldAscii(a) == FoldAscii(b); }
};
}  // namespace

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), EqualIgnoringAsciiCase{});
}

// The manufacturer table tries every fragment on every text: only the places where the first
// character matches are compared further.
bool ContainsIgnoringAsciiCase(std::string_view needle, std::string_view text) {
  if (needle.empty() || needle.size() > text.size()) return false;
  const char first = FoldAscii(needle.front());
  const std::string_view rest = needle.substr(1);
  for (size_t at = 0, last = text.size() - needle.size(); at <= last; ++at) {
    if (FoldAscii(text[at]) == first && StartsWithIgnoringAsciiCase(text.substr(at + 1), rest))
      return true;
  }
  return false;
}

std::string LeftText(const std::string& text, int count) {
  if (count <= 0) return {};
  return text.substr(0, std::min(text.size(), static_cast<size_t>(count)));
}

bool TextStartsWith(const std::string& text, const std::string& prefix) {
  return StartsWithIgnoringAsciiCase(text, prefix);
}

bool TextContains(const std::string& needle, const std::string& text) {
  return ContainsIgnoringAsciiCase(needle, text);
}
