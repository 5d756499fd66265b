#pragma once
// Path and version-number rules of the file functions, free of system calls.
#include <cstdint>
#include <string>

// The "\\?\" form that lifts the path-length limit: "\\server\share\x" becomes
// "\\?\UNC\server\share\x", "C:\x" becomes "\\?\C:\x". Forward slashes turn into backslashes
// first, since the prefixed form is passed on unnormalised. Paths the prefix cannot take
// (relative, drive-relative, rooted without a drive) and paths already in "\\?\" or "\\.\"
// form come back unchanged apart from the slashes.
std::wstring LongPathForm(const std::wstring& path);

// The folder part of a path, up to and including its last "\", "/" or ":"; empty when none.
std::wstring FolderOf(const std::wstring& path);

// `path` ending in one backslash; an empty path stays empty rather than naming a drive root.
std::wstring WithTrailingBackslash(const std::wstring& path);

// "major.minor.release.build" from the two halves of a fixed file-information record.
std::wstring FormatFileVersion(uint32_t versionMS, uint32_t versionLS);
