#pragma once
// Turning the manufacturer text that firmware reports for a memory module into a display name.
#include <string>

// The display name for a raw manufacturer text: a readable name, a JEDEC code in one of its
// written forms, or a "Manufacturer..." placeholder ("N/A"). Texts no row knows come back as
// they are, spaces included.
std::string DecodeManufacturer(const std::string& raw);

// The text tests the decoding relies on. They fold only the ASCII letters A to Z; every other
// byte compares exactly, so the result never depends on the code page.
bool TextStartsWith(const std::string& text, const std::string& prefix);  // empty prefix: true
std::string LeftText(const std::string& text, int count);  // count clamped to 0..length
bool TextContains(const std::string& needle, const std::string& text);  // empty needle: false
