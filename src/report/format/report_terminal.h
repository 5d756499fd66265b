#pragma once
// Firmware strings made fit for the terminal the human report goes to.
#include <string>
#include <string_view>

// The report's text is UTF-8 (terminals speak it; the command writes UTF-16 to a Windows
// console): firmware bytes that are not UTF-8 become Latin-1 characters. Control characters
// become '?'.
std::string TerminalText(std::string_view bytes);
