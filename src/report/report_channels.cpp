#include "report/report_channels.h"

#include <array>

namespace {

// Words firmware puts before the number of a memory controller or processor.
constexpr std::array<std::string_view, 7> kControllerWords = {
    "controller", "processor", "socket", "proc", "node", "cpu", "p"};
constexpr std::string_view kChannelWord = "channel";
constexpr std::string_view kDimmWord = "dimm";

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(char c) { return c == ' ' || c == '_' || c == '-'; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsChannelLetter(char c) { return Upper(c) >= 'A' && Upper(c) <= 'H'; }

bool WordAt(std::string_view text, size_t at, std::string_view lowerWord) {
  if (text.size() - at < lowerWord.size()) return false;
  for (size_t k = 0; k < lowerWord.size(); ++k) {
    char c = text[at + k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerWord[k]) return false;
  }
  return true;
}

bool StartsWord(std::string_view text, size_t at) { return at == 0 || !IsLetter(text[at - 1]); }

// Past an optional separator after position at.
size_t SkipSeparator(std::string_view text, size_t at) {
  return at < text.size() && IsSeparator(text[at]) ? at + 1 : at;
}

// "ChannelA", "CHANNEL B", "Channel_C": the letter, not followed by another letter.
std::optional<char> LetterAfterChannel(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (!StartsWord(text, i) || !WordAt(text, i, kChannelWord)) continue;
    size_t at = SkipSeparator(text, i + kChannelWord.size());
    if (at < text.size() && IsChannelLetter(text[at]) &&
        (at + 1 == text.size() || !IsLetter(text[at + 1]))) {
      return Upper(text[at]);
    }
  }
  return std::nullopt;
}

// "DIMM_A1", "DIMM B2", "P1-DIMMC1": the letter, when a digit follows it.
std::optional<char> LetterAfterDimm(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (!WordAt(text, i, kDimmWord)) continue;
    size_t at = SkipSeparator(text, i + kDimmWord.size());
    if (at + 1 < text.size() && IsChannelLetter(text[at]) && IsDigit(text[at + 1])) {
      return Upper(text[at]);
    }
  }
  return std::nullopt;
}

// The end of "CPU2", "PROC 1", "Controller0" starting at i, or i when none starts there.
size_t ControllerEnd(std::string_view text, size_t i) {
  if (!StartsWord(text, i)) return i;
  for (std::string_view word : kControllerWords) {
    if (!WordAt(text, i, word)) continue;
    size_t at = SkipSeparator(text, i + word.size());
    size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > at) return end;
  }
  return i;
}

// Every controller or processor number in the text, as written, in order.
std::string Controllers(std::string_view text) {
  std::string names;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t end = ControllerEnd(text, i);
    if (end == i) continue;
    if (!names.empty()) names += ' ';
    names.append(text.substr(i, end - i));
    i = end - 1;
  }
  return names;
}

}  // namespace

std::optional<std::string> ChannelInText(std::string_view text) {
  std::optional<char> letter = LetterAfterChannel(text);
  if (!letter) letter = LetterAfterDimm(text);
  if (!letter) return std::nullopt;
  std::string name = Controllers(text);
  if (!name.empty()) name += ' ';
  return name + *letter;
}

std::optional<std::string> SlotChannel(std::string_view locator, std::string_view bank) {
  if (std::optional<std::string> name = ChannelInText(locator)) return name;
  return ChannelInText(bank);
}
