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
