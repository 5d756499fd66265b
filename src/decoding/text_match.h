#pragma once
// Allocation-free forms of the text tests, for the table walk. Internal to the decoding module.
#include <string_view>

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
bool ContainsIgnoringAsciiCase(std::string_view needle, std::string_view text);
