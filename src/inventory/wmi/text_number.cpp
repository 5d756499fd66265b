#include "inventory/wmi/text_number.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Decimal digits, point, exponent and signs only: no hexadecimal, no "inf" or "nan".
bool IsDecimalRealText(std::string_view text) {
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-')) return false;
  }
  return true;
}

// from_chars takes no leading plus sign; a minus it handles itself.
std::string_view SkipPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int64_t> ParseWholeInt64(std::string_view text) {
  text = SkipPlus(TrimBlanks(text));
  int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// strtod rather than from_chars for reals: the library's float parser is a large part of the
// Windows executable. The program never changes the C locale, so the point is always '.'.
std::optional<double> ParseWholeReal(std::string_view text) {
  text = SkipPlus(TrimBlanks(text));
  if (text.empty() || !IsDecimalRealText(text) || text[0] == '+') return std::nullopt;
  const std::string copy(text);  // strtod needs the terminating zero
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<bool> ParseBooleanWord(std::string_view text) {
  text = TrimBlanks(text);
  if (SameTextAscii(text, "true")) return true;
  if (SameTextAscii(text, "false")) return false;
  return std::nullopt;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // names mostly come in the same case
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}
