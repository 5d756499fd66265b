#include "support/system/system_info_admin_win32.h"

#include <memory>
#include <type_traits>
#include <vector>

#include "support/system/system_info.h"
#include "support/system/system_info_error.h"
#include "support/system/version_name.h"

namespace {
struct HandleClose {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using HandleHolder = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleClose>;

struct SidFree {
  void operator()(PSID sid) const { FreeSid(sid); }
};
using SidHolder = std::unique_ptr<std::remove_pointer_t<PSID>, SidFree>;

bool IsNTFamily() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  return GetVersionExA(&info) && info.dwPlatformId == kPlatformWindowsNT;
}

// The thread's own token when it impersonates, else the process token; null when neither opens.
HandleHolder OpenQueryToken() {
  HANDLE token = nullptr;
  if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return HandleHolder(token);
  if (GetLastError() != ERROR_NO_TOKEN) return nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return HandleHolder(token);
  return nullptr;
}

SidHolder AdministratorsSid() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;  // S-1-5
  PSID sid = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &sid)) {
    RaiseLastOSError();
  }
  return SidHolder(sid);
}

// The token's group list in a buffer aligned for TOKEN_GROUPS.
std::vector<SID_AND_ATTRIBUTES> ReadTokenGroups(HANDLE token) {
  DWORD size = 0;
  GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
  if (size == 0) RaiseLastOSError();
  std::vector<SID_AND_ATTRIBUTES> buffer(size / sizeof(SID_AND_ATTRIBUTES) + 1);
  const DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(SID_AND_ATTRIBUTES));
  if (!GetTokenInformation(token, TokenGroups, buffer.data(), capacity, &size)) {
    RaiseLastOSError();
  }
  return buffer;
}
}  // namespace

bool GroupsGrantAdministrators(const TOKEN_GROUPS& groups, PSID administrators) {
  for (DWORD i = 0; i < groups.GroupCount; ++i) {
    const SID_AND_ATTRIBUTES& group = groups.Groups[i];
    if (EqualSid(group.Sid, administrators)) {
      return (group.Attributes & SE_GROUP_USE_FOR_DENY_ONLY) == 0;
    }
  }
  return false;
}

bool RunsAsAdministrator() {
  if (!IsNTFamily()) return true;  // no security model to ask
  HandleHolder token = OpenQueryToken();
  if (!token) return false;
  SidHolder administrators = AdministratorsSid();
  std::vector<SID_AND_ATTRIBUTES> buffer = ReadTokenGroups(token.get());
  return GroupsGrantAdministrators(*reinterpret_cast<const TOKEN_GROUPS*>(buffer.data()),
                                   administrators.get());
}
