#pragma once
// A file path in the form the platform's file functions take: UTF-16 (std::wstring) on Windows,
// bytes (std::string, normally UTF-8) elsewhere. Windows paths stay UTF-16 from the shell's
// answer to CreateFileW, so a folder named outside the ANSI code page still works.
#include <filesystem>
#include <string>
#include <string_view>

using NativePath = std::filesystem::path::string_type;

// ASCII text (a fixed file name or suffix) in the path's character type.
inline NativePath NativeText(std::string_view ascii) { return NativePath(ascii.begin(), ascii.end()); }
