#pragma once
// Byte-safe text tests for the advice rules. Internal to the module. They fold only ASCII letters,
// so a firmware string in any code page compares the same way.
#include <cstdint>
#include <optional>
#include <string_view>

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// The phrase somewhere in the text with no letter right before or after it: "Xen" is found in
// "Xen HVM" but not in "Xenon"; digits may touch it ("VMware7,1").
bool ContainsWord(std::string_view text, std::string_view phrase);
// Blanks as firmware pads with them: spaces, tabs, line ends, NULs.
std::string_view TrimFirmwareBlanks(std::string_view text);
// 0..15 for a hex digit, else std::nullopt.
std::optional<uint8_t> HexDigitValue(char c);
bool IsAllHex(std::string_view text);  // false for an empty text
