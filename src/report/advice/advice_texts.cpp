#include <string>

#include "report/advice/advice_rules.h"
#include "report/advice/advice_words.h"

namespace {
// What firmware writes when nobody filled the field in.
constexpr std::string_view kPlaceholders[] = {
    "Undefined", "Unknown", "Not Specified", "NO DIMM", "To Be Filled By O.E.M.",
    "System Product Name", "Default string", "None", "N/A",
};
constexpr std::string_view kHexRun = "0123456789ABCDEF";
constexpr size_t kShortestRun = 4;

bool IsDecimal(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// "Manufacturer00", "Manufacturer 3", "Mfg 0", "Manufacturer": a word and a slot number, if any.
bool IsNumberedPlaceholder(std::string_view text) {
  for (std::string_view word : {"Manufacturer", "Mfg"}) {
    if (!StartsWithIgnoringCase(text, word)) continue;
    std::string_view number = text.substr(word.size());
    while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
    if (number.empty() || IsDecimal(number)) return true;
  }
  return false;
}

bool IsOneRepeatedCharacter(std::string_view text) {
  return text.find_first_not_of(text.front()) == std::string_view::npos;
}

// "0123", "0123456789ABCDEF", "0123456789ABCDEF0123...": the digits in order, as test data.
bool IsHexRun(std::string_view text) {
  if (text.size() < kShortestRun) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!EqualsIgnoringCase(text.substr(i, 1), kHexRun.substr(i % kHexRun.size(), 1))) return false;
  }
  return true;
}

bool IsPlaceholder(std::string_view text) {
  for (std::string_view placeholder : kPlaceholders) {
    if (EqualsIgnoringCase(text, placeholder)) return true;
  }
  return IsNumberedPlaceholder(text) || IsOneRepeatedCharacter(text) || IsHexRun(text);
}

// "0x4B494E47..." as some firmware writes a part number: the bytes of the text in hex. Only
// printable ASCII counts, and NUL padding at the end; anything else was not a hex-encoded text.
std::optional<std::string> HexEncodedText(std::string_view text) {
  if (!StartsWithIgnoringCase(text, "0x")) return std::nullopt;
  const std::string_view digits = text.substr(2);
  if (!IsAllHex(digits) || digits.size() % 2 != 0) return std::nullopt;
  std::string decoded;
  bool padding = false;
  for (size_t i = 0; i < digits.size(); i += 2) {
    const int byte = *HexDigitValue(digits[i]) * 16 + *HexDigitValue(digits[i + 1]);
    if (byte == 0) {
      padding = true;
    } else if (padding || byte < 0x20 || byte > 0x7E) {
      return std::nullopt;
    } else {
      decoded += static_cast<char>(byte);
    }
  }
  return decoded;
}
}  // namespace

std::optional<std::string> CleanFirmwareText(std::string_view raw) {
  const std::string_view text = TrimFirmwareBlanks(raw);
  if (text.empty() || IsPlaceholder(text)) return std::nullopt;
  return std::string(text);
}

std::optional<std::string> DecodePartNumber(std::string_view raw) {
  const std::optional<std::string> text = CleanFirmwareText(raw);
  if (!text) return std::nullopt;
  if (const std::optional<std::string> decoded = HexEncodedText(*text))
    return CleanFirmwareText(*decoded);
  return text;
}
