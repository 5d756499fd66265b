#pragma once
// Locale-independent reading of numbers and Boolean words from WMI texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text without leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);

// A whole text (blanks around it allowed) holding an optionally signed decimal integer that fits
// 64 bits; nothing otherwise.
std::optional<int64_t> ParseWholeInt64(std::string_view text);

// A whole text (blanks around it allowed) holding a decimal real number, point as separator.
std::optional<double> ParseWholeReal(std::string_view text);

// "True" or "False" in any letter case.
std::optional<bool> ParseBooleanWord(std::string_view text);

// Equality that folds only the ASCII letters A to Z, as WMI names compare.
bool SameTextAscii(std::string_view a, std::string_view b);
