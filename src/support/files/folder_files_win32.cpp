#include <windows.h>
#include <cstdint>

#include "support/files/folder_files.h"

namespace {

uint64_t Ticks(const FILETIME& time) {  // 100 ns units
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

std::vector<FolderFile> RegularFilesIn(const NativePath& folder, std::chrono::seconds age) {
  std::vector<FolderFile> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  FILETIME nowTime;
  GetSystemTimeAsFileTime(&nowTime);
  const uint64_t now = Ticks(nowTime), ageTicks = static_cast<uint64_t>(age.count()) * 10000000u;
  do {
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
    const uint64_t written = Ticks(found.ftLastWriteTime);
    files.push_back({found.cFileName, now > written && now - written > ageTicks});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

bool RemoveFolderFile(const NativePath& folder, const NativePath& name) {
  return DeleteFileW((folder + L"\\" + name).c_str()) != 0;
}
