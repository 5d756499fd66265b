#include <windows.h>
#include <shellapi.h>

#include "support/files/shell_open.h"

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
}  // namespace

bool PlatformShellOpen(const std::string& target) {
  SHELLEXECUTEINFOA info = OpenRequest<SHELLEXECUTEINFOA>(target.c_str());
  return ShellExecuteExA(&info) != FALSE;
}

bool PlatformShellOpenPath(const NativePath& path) {
  SHELLEXECUTEINFOW info = OpenRequest<SHELLEXECUTEINFOW>(path.c_str());
  return ShellExecuteExW(&info) != FALSE;
}

bool PlatformShellExecute(void* parentWindow, const std::string& target) {
  HINSTANCE result = ShellExecuteA(static_cast<HWND>(parentWindow), nullptr, target.c_str(),
                                   nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
