#pragma once
// Path and version-number rules of the file functions, free of system calls.
#include <cstdint>
#include <string>
#include <vector>

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

// Whether `path` names something inside `folder`, at any depth, as Windows compares names: "\"
// and "/" alike, ASCII letters without regard to case. A path with a step made of dots (and
// spaces) only, such as "..", never counts: Windows would resolve it elsewhere. A path written
// in another form than the folder (a short 8.3 name, the "\\?\" form) does not count either:
// that errs on the safe side.
bool IsInsideFolder(const std::wstring& path, const std::wstring& folder);
bool IsInsideAnyFolder(const std::wstring& path, const std::vector<std::wstring>& folders);
