#pragma once
// Facts about the running Windows system, asked afresh on every call.
#include <string>

// "Unknown", a 95-family name, or the NT name of GetNTVersionName. Never raises.
std::string GetWindowsVersionName();
// The NT version as the workstation service reports it (the compatibility layer cannot bend it
// the way it bends GetVersionEx). "Unknown" when the service does not answer.
std::string GetNTVersionName();

// Whether this process is a 32-bit one running on 64-bit Windows. Raises OSError when kernel32
// cannot be loaded or IsWow64Process exists and fails.
bool IsWow64();
// Whether Windows itself is 64-bit: always in a 64-bit build, IsWow64 in a 32-bit one.
bool IsWindows64Bit();
// Turns WOW64 file-system redirection off (true) or back on (false) for the calling thread.
// Does nothing where the switches do not exist; never raises.
void SwitchWow64Redirection(bool off);

// "Yes" or "No".
std::string BoolToYesNo(bool value);

// Whether the current token holds the Administrators group for use (not deny-only), so false
// for an administrator whose rights User Account Control has filtered.
bool RunsAsAdministrator();
