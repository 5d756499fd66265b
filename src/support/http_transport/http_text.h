#pragma once
// Small ASCII helpers of the HTTP code: header names and schemes compare without regard to case.
#include <string>
#include <string_view>

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string AsciiLower(std::string_view text);
std::string_view TrimSpaces(std::string_view text);  // spaces and tabs at both ends
// CR, LF or NUL: in a header line we send, any of them could end it early and smuggle in
// another line of the sender's choosing.
bool HasLineBreakOrNul(std::string_view text);
