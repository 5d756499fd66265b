#pragma once
// Naming of Windows versions, kept free of system calls so every row of the tables can be
// checked on any machine. support/system_info.h feeds these from the running system.
#include <cstdint>
#include <string>

// Platform value of the Windows 95 family in the system's version record.
inline constexpr uint32_t kPlatformWindows9x = 1;
// Platform value of the NT family; its name comes from NTVersionName instead.
inline constexpr uint32_t kPlatformWindowsNT = 2;

// The 95 family: "4.0 (95)", "4.10 (98)", "4.10 (98SE)" (second service-pack character "A"),
// "4.90 (ME)", any other pair "<major>.<minor> (Unknown)". Any platform other than the 95
// family gives "Unknown".
std::string WindowsVersionName(uint32_t platformId, uint32_t major, uint32_t minor,
                               const std::string& servicePack);

// The NT family from the workstation service's version: "<major>.<minor>" plus a name for the
// versions that have one ("6.1 (Seven)"); 5.2 and 10.0 carry none. A failed query is "Unknown".
std::string NTVersionName(bool querySucceeded, uint32_t major, uint32_t minor);
