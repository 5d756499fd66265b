#include <windows.h>

#include <memory>
#include <type_traits>

#include "support/system/system_info.h"
#include "support/system/system_info_error.h"

namespace {
constexpr char kKernel32[] = "kernel32.dll";

struct LibraryFree {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using LibraryHolder = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using DisableRedirectionFn = BOOL(WINAPI*)(PVOID*);
using EnableRedirectionFn = BOOLEAN(WINAPI*)(BOOLEAN);

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void SwitchRedirection(bool off) {
  HMODULE kernel = GetModuleHandleA(kKernel32);
  if (kernel == nullptr) return;
  auto enable = Lookup<EnableRedirectionFn>(kernel, "Wow64EnableWow64FsRedirection");
  auto disable = Lookup<DisableRedirectionFn>(kernel, "Wow64DisableWow64FsRedirection");
  if (enable == nullptr || disable == nullptr) return;
  if (off) {
    PVOID previous = nullptr;  // not kept: the caller switches back with `enable`
    disable(&previous);
  } else {
    enable(TRUE);
  }
}
}  // namespace

bool IsWow64() {
  LibraryHolder kernel(LoadLibraryA(kKernel32));
  if (!kernel) RaiseLastOSError();
  auto isWow64Process = Lookup<IsWow64ProcessFn>(kernel.get(), "IsWow64Process");
  if (isWow64Process == nullptr) return false;  // older than the function: no WOW64 either
  BOOL wow64 = FALSE;
  if (!isWow64Process(GetCurrentProcess(), &wow64)) RaiseLastOSError();
  return wow64 != FALSE;
}

bool IsWindows64Bit() {
  if constexpr (sizeof(void*) == 8) {
    return true;  // a 64-bit process runs on 64-bit Windows only, and IsWow64 answers false there
  } else {
    return IsWow64();
  }
}

void SwitchWow64Redirection(bool off) {
  try {
    SwitchRedirection(off);
  } catch (...) {
    // Redirection is a convenience for the file check; never let it fail the caller.
  }
}
