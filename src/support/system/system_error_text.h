#pragma once
// The operating system's own words for an error code: errno on Linux, GetLastError on Windows.
#include <cstdint>
#include <string>

// The system's description of the code, without its line break; empty when it has none.
std::string SystemErrorText(uint32_t code);

// The same, to sit inside a line of ours: without its closing full stop, and "error <n>" when
// the system has no description.
std::string SystemErrorWords(uint32_t code);
