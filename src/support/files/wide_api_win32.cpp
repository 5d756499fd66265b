#include "support/files/wide_api_win32.h"

#include <winver.h>

#include <algorithm>
#include <string>

#include "support/files/file_utils.h"
#include "support/files/text_convert.h"

// Every NT system has the wide functions; the start-up check confirms it.
bool WideApiAvailable = true;

namespace {
constexpr DWORD kWindowsFolderBuffer = 1024;

template <size_t N>
void CopyName(const char* ansi, wchar_t (&wide)[N]) {
  const std::wstring converted = AnsiToWide(ansi);
  const size_t length = std::min(converted.size(), N - 1);
  std::copy_n(converted.begin(), length, wide);
  wide[length] = L'\0';
}

bool FoundWithFolderFlag(const std::wstring& path, bool folder) {
  WIN32_FIND_DATAW data{};
  FindHandle search(WideFindFirstFile(path, &data));
  if (!search.Valid()) return false;
  return ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}
}  // namespace

void InitWideApiAvailable() {
  char folder[kWindowsFolderBuffer] = {};
  const UINT length = GetWindowsDirectoryA(folder, kWindowsFolderBuffer);
  std::string pattern(folder, std::min<UINT>(length, kWindowsFolderBuffer));
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  pattern += "*.*";
  WIN32_FIND_DATAW data{};
  FindHandle search(FindFirstFileW(AnsiToWide(pattern).c_str(), &data));
  WideApiAvailable = search.Valid();
}

void AnsiFindDataToWide(const WIN32_FIND_DATAA& ansi, WIN32_FIND_DATAW* wide) {
  wide->dwFileAttributes = ansi.dwFileAttributes;
  wide->ftCreationTime = ansi.ftCreationTime;
  wide->ftLastAccessTime = ansi.ftLastAccessTime;
  wide->ftLastWriteTime = ansi.ftLastWriteTime;
  wide->nFileSizeHigh = ansi.nFileSizeHigh;
  wide->nFileSizeLow = ansi.nFileSizeLow;
  wide->dwReserved0 = ansi.dwReserved0;
  wide->dwReserved1 = ansi.dwReserved1;
  CopyName(ansi.cFileName, wide->cFileName);
  CopyName(ansi.cAlternateFileName, wide->cAlternateFileName);
}

void* WideFindFirstFile(const std::wstring& path, WIN32_FIND_DATAW* data) {
  if (WideApiAvailable) return FindFirstFileW(path.c_str(), data);
  WIN32_FIND_DATAA ansi{};
  HANDLE search = FindFirstFileA(WideToAnsi(path).c_str(), &ansi);
  if (search != INVALID_HANDLE_VALUE) AnsiFindDataToWide(ansi, data);
  return search;
}

bool WideFileExists(const std::wstring& path) { return FoundWithFolderFlag(path, false); }

bool WideDirectoryExists(const std::wstring& path) {
  return !path.empty() && FoundWithFolderFlag(path, true);
}

bool WideCreateDirectory(const std::wstring& path, SECURITY_ATTRIBUTES* attributes) {
  if (WideApiAvailable) return CreateDirectoryW(LongPathForm(path).c_str(), attributes);
  return CreateDirectoryA(WideToAnsi(path).c_str(), attributes);
}

unsigned long WideGetFileVersionInfoSize(const std::wstring& path, unsigned long* handle) {
  if (WideApiAvailable) return GetFileVersionInfoSizeW(path.c_str(), handle);
  return GetFileVersionInfoSizeA(WideToAnsi(path).c_str(), handle);
}

bool WideGetFileVersionInfo(const std::wstring& path, unsigned long handle, unsigned long size,
                            void* data) {
  if (WideApiAvailable) return GetFileVersionInfoW(path.c_str(), handle, size, data);
  return GetFileVersionInfoA(WideToAnsi(path).c_str(), handle, size, data);
}
