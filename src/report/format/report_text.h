#pragma once
// Text clean-up for the report's two outputs. Firmware strings are bytes of unknown encoding,
// sometimes with control characters in them.
#include <string>
#include <string_view>

// Valid UTF-8 sequences stay; every other byte becomes the Latin-1 character of the same code
// (0xE9 -> U+00E9), so the result is always valid UTF-8 and no byte is lost.
std::string ToUtf8(std::string_view bytes);

// Control characters replaced by '?', so a value cannot move the cursor, clear the terminal or
// retitle it: C0 and DEL, and the C1 controls U+0080 to U+009F whether written in UTF-8 or as
// single Latin-1 bytes 0x80 to 0x9F. Everything else stays byte for byte.
std::string Printable(std::string_view bytes);
