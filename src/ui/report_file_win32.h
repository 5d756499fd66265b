#pragma once
// Writes a whole file safely: the content goes to a temporary file in the same folder, which is
// then moved over the target, so a failure never leaves a half-written or truncated report.
#include <string>
#include <string_view>

// Throws OSError (the system's reason) when the file cannot be written; the target is then as it
// was and no temporary file is left behind.
void WriteFileReplacing(const std::wstring& path, std::string_view content);
