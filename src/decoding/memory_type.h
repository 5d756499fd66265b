#pragma once
// Naming a module's memory technology and its PC rating ("DDR3 / PC3-10664") from the WMI
// memory type code, the rated speed in MHz and, where Windows gives one, the SMBIOS memory type.
#include <cstdint>
#include <string>

// The technology name. Speeds are compared as signed 32-bit numbers (WMI's 0xFFFFFFFF means
// unknown, not fast). Code 0 (unknown) takes a known SMBIOS type (0 = none) before guessing the
// DDR generation from the speed; codes 26 and 34 are DDR4 and DDR5 whatever the speed.
std::string MemoryTypeName(uint32_t code, uint32_t speed, uint32_t smbiosType = 0);

// The "Type" row: the name, plus " / PCn-rating" for DDR to DDR5 when the speed is known. The
// rating is the speed times 8, in unsigned 32-bit arithmetic.
std::string ModuleTypeText(uint32_t code, uint32_t speed, uint32_t smbiosType = 0);
