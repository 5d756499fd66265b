#pragma once
// Allocation-free forms of the text tests, for the table walk. Internal to the decoding module.
#include <string_view>

// Locale-free on purpose: tolower() would also fold the upper half of some ANSI code pages.
inline char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
bool ContainsIgnoringAsciiCase(std::string_view needle, std::string_view text);
