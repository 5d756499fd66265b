#pragma once
// Conversions between the process's ANSI code page and UTF-16, made where texts cross from the
// program's own logic (ANSI) to Windows paths (UTF-16) and back. Characters the code page lacks
// come out as the system's default character ("?").
#include <string>

std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);

// UTF-8 and UTF-16, for texts that must keep every character whatever the code page: the
// report's text. Invalid UTF-8 comes out as U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
