#pragma once
// Text conversions NTLM needs: names and passwords travel as UTF-16LE, the user name upper-cased.
// The platform files decide what the program's 8-bit text means (the ANSI code page on Windows,
// UTF-8 elsewhere).
#include <string>
#include <string_view>

std::u16string AnsiToUtf16(std::string_view text);
std::u16string UpperCaseUtf16(std::u16string text);

// The UTF-16 code units as little-endian bytes.
std::string Utf16LeBytes(std::u16string_view text);
