#include <windows.h>
#include <shellapi.h>

#include <string>

#include "support/files/shell_open.h"
#include "support/files/text_convert.h"
#include "support/system/system_error_text.h"

namespace {
constexpr ULONG kShellOpenMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;  // 0x600

// The open request of both ShellOpen forms: the target as file, no verb, shown normally.
template <typename Info, typename Char>
Info OpenRequest(const Char* file) {
  Info info{};
  info.cbSize = sizeof(info);
  info.fMask = kShellOpenMask;
  info.lpFile = file;
  info.nShow = SW_SHOWNORMAL;
  return info;
}

// ShellExecute's old result codes (32 and below) as system error codes; the low ones already are.
uint32_t ShellExecuteResultError(INT_PTR result) {
  switch (result) {
    case 0: return ERROR_OUTOFMEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    default: return static_cast<uint32_t>(result);
  }
}

// The last error, or the code the shell left in hInstApp when it set none.
template <typename Info>
uint32_t ShellExecuteExError(const Info& info) {
  if (const DWORD error = GetLastError()) return error;
  return ShellExecuteResultError(reinterpret_cast<INT_PTR>(info.hInstApp));
}
}  // namespace

uint32_t PlatformShellOpen(const std::string& target) {
  SetLastError(0);  // so a failure that sets no error is told by hInstApp
  SHELLEXECUTEINFOA info = OpenRequest<SHELLEXECUTEINFOA>(target.c_str());
  return ShellExecuteExA(&info) ? 0 : ShellExecuteExError(info);
}

uint32_t PlatformShellOpenPath(const NativePath& path) {
  SetLastError(0);
  SHELLEXECUTEINFOW info = OpenRequest<SHELLEXECUTEINFOW>(path.c_str());
  return ShellExecuteExW(&info) ? 0 : ShellExecuteExError(info);
}

uint32_t PlatformShellExecute(void* parentWindow, const std::string& target) {
  const INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(
      static_cast<HWND>(parentWindow), nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32 ? 0 : ShellExecuteResultError(result);
}

std::string PlatformShellErrorText(uint32_t error) {
  const std::string text = SystemErrorText(error);
  return "error " + std::to_string(error) + (text.empty() ? "" : ", " + text);
}

std::string PlatformPathText(const NativePath& path) { return WideToAnsi(path); }
