#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/system/system_info.h"
#include "support/system/system_info_admin_win32.h"

namespace {
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

// The kernel's own version numbers, which no compatibility setting bends.
OSVERSIONINFOW KernelVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  if (rtlGetVersion != nullptr) rtlGetVersion(&info);
  return info;
}

struct Sid {
  PSID sid = nullptr;
  Sid(BYTE count, DWORD a, DWORD b) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    AllocateAndInitializeSid(&nt, count, a, b, 0, 0, 0, 0, 0, 0, &sid);
  }
  ~Sid() { FreeSid(sid); }
};

struct TwoGroups {
  DWORD count;
  SID_AND_ATTRIBUTES groups[2];
  const TOKEN_GROUPS& AsTokenGroups() const { return *reinterpret_cast<const TOKEN_GROUPS*>(this); }
};
}  // namespace

TEST(SystemInfo, WindowsVersionNameIsTheKernelVersion) {
  const std::string name = GetWindowsVersionName();
  EXPECT_TRUE(std::regex_match(name, std::regex(R"(\d+\.\d+( \(.+\))?)"))) << name;
  EXPECT_EQ(name, GetNTVersionName());
  const OSVERSIONINFOW kernel = KernelVersion();
  ASSERT_NE(kernel.dwMajorVersion, 0u);
  const std::string numbers =
      std::to_string(kernel.dwMajorVersion) + "." + std::to_string(kernel.dwMinorVersion);
  EXPECT_EQ(name.substr(0, name.find(' ')), numbers);
}

TEST(SystemInfo, BitnessAnswersForA64BitProcess) {
  EXPECT_NO_THROW(IsWow64());
  EXPECT_EQ(IsWow64(), sizeof(void*) == 4 && IsWindows64Bit());
  if (sizeof(void*) == 8) {
    EXPECT_FALSE(IsWow64());
    EXPECT_TRUE(IsWindows64Bit());
  }
}

TEST(RunsAsAdministrator, AgreesWithTheSystemsOwnMembershipCheck) {
  Sid administrators(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS);
  BOOL member = FALSE;
  ASSERT_TRUE(CheckTokenMembership(nullptr, administrators.sid, &member));
  bool answer = false;
  ASSERT_NO_THROW(answer = RunsAsAdministrator());
  EXPECT_EQ(answer, member != FALSE);
}

TEST(RunsAsAdministrator, DenyOnlyOrAbsentAdministratorsGroupDoesNotCount) {
  Sid administrators(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS);
  Sid users(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS);
  const DWORD enabled = SE_GROUP_ENABLED | SE_GROUP_ENABLED_BY_DEFAULT | SE_GROUP_MANDATORY;

  TwoGroups groups{2, {{users.sid, SE_GROUP_USE_FOR_DENY_ONLY}, {administrators.sid, enabled}}};
  EXPECT_TRUE(GroupsGrantAdministrators(groups.AsTokenGroups(), administrators.sid));

  groups.groups[1].Attributes = SE_GROUP_USE_FOR_DENY_ONLY;  // a filtered administrator
  EXPECT_FALSE(GroupsGrantAdministrators(groups.AsTokenGroups(), administrators.sid));

  groups.groups[1] = {users.sid, enabled};
  EXPECT_FALSE(GroupsGrantAdministrators(groups.AsTokenGroups(), administrators.sid));
  groups.count = 0;
  EXPECT_FALSE(GroupsGrantAdministrators(groups.AsTokenGroups(), administrators.sid));
}

TEST(RunsAsAdministrator, UsesTheThreadTokenWhileTheThreadImpersonates) {
  Sid administrators(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS);
  HANDLE process = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &process));
  SID_AND_ATTRIBUTES disable{administrators.sid, 0};
  HANDLE restricted = nullptr;
  const BOOL made = CreateRestrictedToken(process, 0, 1, &disable, 0, nullptr, 0, nullptr, &restricted);
  CloseHandle(process);
  if (!made) GTEST_SKIP() << "no restricted tokens here, error " << GetLastError();
  HANDLE impersonation = nullptr;
  ASSERT_TRUE(DuplicateToken(restricted, SecurityImpersonation, &impersonation));
  CloseHandle(restricted);
  ASSERT_TRUE(SetThreadToken(nullptr, impersonation));
  bool answer = true;
  EXPECT_NO_THROW(answer = RunsAsAdministrator());
  RevertToSelf();
  CloseHandle(impersonation);
  EXPECT_FALSE(answer);
}
