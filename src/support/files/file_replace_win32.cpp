#include <windows.h>

#include <algorithm>
#include <utility>

#include "support/files/file_replace.h"

namespace {
constexpr DWORD kLargestWrite = 1u << 30;  // WriteFile takes a 32-bit count

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : FHandle(handle) {}
  ~FileHandle() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool Close() { return CloseHandle(std::exchange(FHandle, INVALID_HANDLE_VALUE)) != FALSE; }

 private:
  HANDLE FHandle;
};

uint32_t WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), kLargestWrite));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return 0;
}
}  // namespace

uint32_t CurrentProcessNumber() { return GetCurrentProcessId(); }

// No sharing while the new content is written: a second copy of the program saving at the same
// moment fails its own save (and catches up later) instead of mixing its bytes into ours.
uint32_t PlatformWriteNewFile(const NativePath& path, std::string_view bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return GetLastError();
  if (const uint32_t error = WriteAll(file.Get(), bytes)) return error;
  return file.Close() ? 0 : GetLastError();
}

// Windows refuses to replace a read-only file; Wine (run as root) does not, so ask first. A file
// the user made read-only keeps its content, as when it was written in place. It says so with
// its own error, which is not tried again: waiting does not change the attribute.
uint32_t PlatformMoveOver(const NativePath& from, const NativePath& to) {
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return ERROR_FILE_READ_ONLY;
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : GetLastError();
}

// What a scanner or indexer that has the new file (or the target) open for a moment gives.
bool PlatformMoveErrorMayPass(uint32_t error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

void PlatformRemoveFile(const NativePath& path) { DeleteFileW(path.c_str()); }
