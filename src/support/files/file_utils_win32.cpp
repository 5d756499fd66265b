#include <windows.h>
#include <winver.h>

#include <vector>

#include "support/files/file_utils.h"
#include "support/system/system_info.h"
#include "support/files/wide_api_win32.h"

namespace {
constexpr wchar_t kFileNotFound[] = L"File not found";
// Longest path GetModuleFileNameW can return (the "\\?\" limit).
constexpr DWORD kMaxProgramPath = 32768;
constexpr DWORD kFirstProgramPathBuffer = MAX_PATH;

int64_t JoinSize(DWORD high, DWORD low) {
  return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

// Redirection off for the lifetime of the object, on this thread.
class RedirectionOff {
 public:
  RedirectionOff() { SwitchWow64Redirection(true); }
  ~RedirectionOff() { SwitchWow64Redirection(false); }
  RedirectionOff(const RedirectionOff&) = delete;
  RedirectionOff& operator=(const RedirectionOff&) = delete;
};
}  // namespace

std::wstring GetProgramPath() {
  std::wstring path(kFirstProgramPathBuffer, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length < size || size >= kMaxProgramPath) {
      path.resize(length);
      return path;
    }
    path.resize(size * 2);  // cut short: try a larger buffer
  }
}

std::wstring GetFileVersionText(const std::wstring& path) {
  if (!WideFileExists(path)) return kFileNotFound;
  DWORD handle = 0;
  const DWORD size = WideGetFileVersionInfoSize(path, &handle);
  if (size == 0) return {};
  std::vector<BYTE> buffer(size);
  if (!WideGetFileVersionInfo(path, 0, size, buffer.data())) return {};
  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(buffer.data(), "\\", &block, &length) || length == 0 || block == nullptr) {
    return {};
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
  return FormatFileVersion(info->dwFileVersionMS, info->dwFileVersionLS);
}

int64_t GetFileSize64(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
    return JoinSize(attributes.nFileSizeHigh, attributes.nFileSizeLow);
  }
  WIN32_FIND_DATAW found{};
  FindHandle search(WideFindFirstFile(path, &found));
  if (!search.Valid()) return 0;
  return JoinSize(found.nFileSizeHigh, found.nFileSizeLow);
}

bool FileExistsNotEmpty(const std::wstring& path) {
  RedirectionOff redirectionOff;
  return WideFileExists(path) && GetFileSize64(path) > 0;
}
