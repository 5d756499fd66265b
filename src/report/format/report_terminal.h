#pragma once
// Firmware strings made fit for the terminal the human report goes to.
#include <string>
#include <string_view>

// Linux terminals speak UTF-8: bytes that are not UTF-8 become Latin-1 characters there. The
// Windows console takes the ANSI bytes WMI gave us as they are. Control characters become '?'
// on both.
std::string TerminalText(std::string_view bytes);
