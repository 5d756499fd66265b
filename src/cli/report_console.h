#pragma once
// Console output per platform: a Windows console takes text as UTF-16 (the narrow path would go
// through the console's OEM code page); elsewhere a terminal takes the bytes like any file.
#include <cstdio>
#include <optional>
#include <string>

// When stream is a Windows console: writes the UTF-8 text to it and answers whether all of it
// was written (reason set when not). None when stream is no console: the caller writes bytes.
std::optional<bool> WriteToConsole(std::FILE* stream, const std::string& text, std::string& reason);

// Writes stream's bytes as they are: Windows' text mode would end the lines with CR LF, which
// the metrics' format does not allow. Nothing to do elsewhere.
void KeepLineEnds(std::FILE* stream);
