#include <windows.h>

#include <algorithm>
#include <utility>

#include "support/run_log/run_log_os.h"

namespace {
constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
constexpr DWORD kLargestWrite = 1u << 30;  // WriteFile takes a 32-bit count
constexpr int kSeparatorCapacity = 8;      // LOCALE_STIME holds at most 4 characters
constexpr char kDefaultSeparator[] = ":";

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

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kLargestWrite));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}
}  // namespace

RunLogTime PlatformLocalNow() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return RunLogTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string PlatformTimeSeparator() {
  char separator[kSeparatorCapacity] = {};
  const int length =
      GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, kSeparatorCapacity);
  if (length <= 1) return kDefaultSeparator;  // the count includes the terminating zero
  return std::string(separator, length - 1);
}

// No sharing while the new content is written: a second copy of the program saving at the same
// moment fails its own save (and catches up later) instead of mixing its lines into ours.
bool PlatformWriteNewFile(const std::string& path, const std::string& bytes) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return false;
  if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get())) return false;
  return file.Close();
}

// Windows refuses to replace a read-only file; Wine (run as root) does not, so ask first. A log
// the user made read-only keeps its content, as when it was written in place.
bool PlatformMoveOver(const std::string& from, const std::string& to) {
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  return MoveFileExA(from.c_str(), to.c_str(), kMoveFlags) != FALSE;
}

void PlatformRemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }
