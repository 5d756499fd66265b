#pragma once
// Replaces a file's whole content safely: written to a temporary file beside it, then moved over
// it, so a failure halfway never leaves a truncated file. The path is 8-bit text (the ANSI code
// page on Windows, UTF-8 elsewhere).
#include <cstdint>
#include <string>
#include <string_view>

// 0, or the system's error code (GetLastError on Windows, errno elsewhere); on failure the
// target is untouched and the temporary file removed.
uint32_t ReplaceFileContent(const std::string& path, std::string_view content);

// The temporary file's name: the target's name with this suffix.
inline constexpr char kReplaceTempSuffix[] = ".download";
