#pragma once
// Opening files, programs and web addresses through the shell. Every open of the program goes
// through here, so tests can put a recorder in the shell's place.
#include <functional>
#include <string>

#include "support/files/native_path.h"

// ShellExecuteExA with the target as file, no verb, SW_SHOWNORMAL, environment variables
// expanded and no error dialog (mask 0x600). True when the shell accepted the request.
bool ShellOpen(const std::string& target);

// The same for a file of ours (the run log), named by its path as the file functions take it:
// ShellExecuteExW on Windows, so no folder name goes through the ANSI code page.
bool ShellOpenPath(const NativePath& path);

// ShellExecuteA with a parent window (a HWND, or null), no verb, SW_SHOWNORMAL.
bool ShellExecuteOpen(void* parentWindow, const std::string& target);

// While a hook is set, both calls above go to it instead of the shell.
struct ShellRequest {
  std::string target;             // empty for ShellOpenPath
  void* parentWindow = nullptr;   // null for ShellOpen and ShellOpenPath
  bool viaShellExecuteEx = true;  // ShellOpen or ShellOpenPath (true), ShellExecuteOpen (false)
  NativePath path;                // ShellOpenPath's path, else empty
};
using ShellOpenHook = std::function<bool(const ShellRequest&)>;
void SetShellOpenHook(ShellOpenHook hook);

// Platform halves, called when no hook is set.
bool PlatformShellOpen(const std::string& target);
bool PlatformShellOpenPath(const NativePath& path);
bool PlatformShellExecute(void* parentWindow, const std::string& target);
