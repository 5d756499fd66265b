#include <windows.h>

#include "support/download/file_grabber_file.h"

namespace {

class TFileHandle {
 public:
  explicit TFileHandle(HANDLE handle) : FHandle(handle) {}
  ~TFileHandle() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool Close() {
    const BOOL closed = CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

 private:
  HANDLE FHandle;
};

uint32_t WriteAll(const std::string& path, std::string_view content) {
  TFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return GetLastError();
  while (!content.empty()) {
    DWORD written = 0;
    const DWORD chunk = content.size() > 0x40000000 ? 0x40000000 : DWORD(content.size());
    if (!WriteFile(file.Get(), content.data(), chunk, &written, nullptr)) return GetLastError();
    content.remove_prefix(written);
  }
  return file.Close() ? 0 : GetLastError();
}

}  // namespace

uint32_t ReplaceFileContent(const std::string& path, std::string_view content) {
  const std::string temporary = path + kReplaceTempSuffix;
  uint32_t error = WriteAll(temporary, content);
  if (error == 0 && !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != 0) DeleteFileA(temporary.c_str());
  return error;
}
