#include "ui/report_file_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "support/system/system_info_error.h"

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

constexpr DWORD kMaxWriteChunk = 1u << 30;
constexpr wchar_t kTempPrefix[] = L"mdx";

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

// The temporary file is created (empty) by the system, with a name no other file has.
std::wstring CreateTempBeside(const std::wstring& path) {
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(FolderOf(path).c_str(), kTempPrefix, 0, name)) RaiseLastOSError();
  return name;
}

void WriteContent(const std::wstring& path, std::string_view content) {
  HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) RaiseLastOSError();
  UniqueHandle file(opened);
  for (size_t done = 0; done < content.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - done, kMaxWriteChunk));
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data() + done, chunk, &written, nullptr)) RaiseLastOSError();
    done += written;
  }
  if (!FlushFileBuffers(file.get())) RaiseLastOSError();
}

}  // namespace

void WriteFileReplacing(const std::wstring& path, std::string_view content) {
  const std::wstring temporary = CreateTempBeside(path);
  try {
    WriteContent(temporary, content);
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      RaiseLastOSError();
  } catch (...) {
    DeleteFileW(temporary.c_str());
    throw;
  }
}
