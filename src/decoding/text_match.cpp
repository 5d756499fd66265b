#include "decoding/text_match.h"

#include <algorithm>
#include <string>

#include "decoding/manufacturer.h"

namespace {
// Locale-free on purpose: tolower() would also fold the upper half of some ANSI code pages.
char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(char a, char b) { return FoldAscii(a) == FoldAscii(b); }
}  // namespace

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), EqualIgnoringAsciiCase);
}

bool ContainsIgnoringAsciiCase(std::string_view needle, std::string_view text) {
  if (needle.empty()) return false;
  return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                     EqualIgnoringAsciiCase) != text.end();
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
