#include <windows.h>
#include <lm.h>

#include <memory>

#include "support/system/system_info.h"
#include "support/system/version_name.h"

namespace {
constexpr DWORD kWorkstationInfoLevel = 100;

struct NetBufferFree {
  void operator()(void* buffer) const { NetApiBufferFree(buffer); }
};
}  // namespace

std::string GetWindowsVersionName() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);  // the basic record, 148 bytes
  if (!GetVersionExA(&info)) return "Unknown";
  if (info.dwPlatformId == kPlatformWindowsNT) return GetNTVersionName();
  return WindowsVersionName(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                            info.szCSDVersion);
}

std::string GetNTVersionName() {
  LPBYTE raw = nullptr;
  const NET_API_STATUS status = NetWkstaGetInfo(nullptr, kWorkstationInfoLevel, &raw);
  std::unique_ptr<void, NetBufferFree> owner(raw);
  if (status != NERR_Success || raw == nullptr) return NTVersionName(false, 0, 0);
  const auto* info = reinterpret_cast<const WKSTA_INFO_100*>(raw);
  return NTVersionName(true, info->wki100_ver_major, info->wki100_ver_minor);
}
