#pragma once
// Opening files, programs and web addresses through the shell. Every open of the program goes
// through here, so tests can put a recorder in the shell's place.
#include <cstdint>
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

// Told of every open that failed, with a line saying what and why ("Could not open <target>:
// <reason>"): with SEE_MASK_FLAG_NO_UI the shell shows nothing, so a click on a link with no
// browser or mail program behind it would otherwise leave no trace. Null: nobody is told.
using ShellFailureLog = std::function<void(const std::string& line)>;
void SetShellFailureLog(ShellFailureLog log);

// Platform halves, called when no hook is set: 0, or the system's error code.
uint32_t PlatformShellOpen(const std::string& target);
uint32_t PlatformShellOpenPath(const NativePath& path);
uint32_t PlatformShellExecute(void* parentWindow, const std::string& target);
std::string PlatformShellErrorText(uint32_t error);  // the system's words for the code
std::string PlatformPathText(const NativePath& path);  // for the log line
