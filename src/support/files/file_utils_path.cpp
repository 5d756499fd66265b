#include "support/files/file_utils_path.h"

#include <algorithm>

namespace {
constexpr wchar_t kLongPrefix[] = L"\\\\?\\";
constexpr wchar_t kLongUncPrefix[] = L"\\\\?\\UNC\\";
constexpr wchar_t kDevicePrefix[] = L"\\\\.\\";

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool HasDriveRoot(const std::wstring& path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\';
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t FoldAscii(wchar_t c) {
  if (IsSeparator(c)) return L'\\';
  return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// Windows drops trailing dots and spaces from a step, so ".. " climbs as ".." does.
bool HasDotsOnlyStep(const std::wstring& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > start && path.find_first_not_of(L". ", start) >= end) return true;
    start = end + 1;
  }
  return false;
}
}  // namespace

std::wstring LongPathForm(const std::wstring& path) {
  std::wstring result = path;
  std::replace(result.begin(), result.end(), L'/', L'\\');
  if (result.starts_with(kLongPrefix) || result.starts_with(kDevicePrefix)) return result;
  if (result.starts_with(L"\\\\")) return kLongUncPrefix + result.substr(2);
  if (HasDriveRoot(result)) return kLongPrefix + result;
  return result;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t last = path.find_last_of(L"\\/:");
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

std::wstring WithTrailingBackslash(const std::wstring& path) {
  if (path.empty() || path.back() == L'\\') return path;
  return path + L'\\';
}

std::wstring FormatFileVersion(uint32_t versionMS, uint32_t versionLS) {
  return std::to_wstring(versionMS >> 16) + L'.' + std::to_wstring(versionMS & 0xFFFF) + L'.' +
         std::to_wstring(versionLS >> 16) + L'.' + std::to_wstring(versionLS & 0xFFFF);
}

bool IsInsideFolder(const std::wstring& path, const std::wstring& folder) {
  std::wstring root = folder;
  while (!root.empty() && IsSeparator(root.back())) root.pop_back();
  if (root.empty() || path.size() <= root.size() + 1 || HasDotsOnlyStep(path)) return false;
  if (!IsSeparator(path[root.size()])) return false;  // "Program Files (x86)" is no step below
  return std::equal(root.begin(), root.end(), path.begin(),
                    [](wchar_t a, wchar_t b) { return FoldAscii(a) == FoldAscii(b); });
}

bool IsInsideAnyFolder(const std::wstring& path, const std::vector<std::wstring>& folders) {
  return std::any_of(folders.begin(), folders.end(),
                     [&path](const std::wstring& folder) { return IsInsideFolder(path, folder); });
}
