#include <windows.h>
#include <shellapi.h>

#include "support/files/shell_open.h"

namespace {
constexpr ULONG kShellOpenMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;  // 0x600
}

bool PlatformShellOpen(const std::string& target) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = kShellOpenMask;
  info.lpFile = target.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&info) != FALSE;
}

bool PlatformShellExecute(void* parentWindow, const std::string& target) {
  HINSTANCE result = ShellExecuteA(static_cast<HWND>(parentWindow), nullptr, target.c_str(),
                                   nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
