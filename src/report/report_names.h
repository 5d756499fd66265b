#pragma once
// Names of the codes the report shows beyond the window's rows.
#include <cstdint>
#include <string>

// Win32_PhysicalMemory.FormFactor, 0 (Unknown) to 23 (LGA); empty for an unknown code.
std::string WmiFormFactorName(uint16_t code);
// SMBIOS memory device form factor, 0x01 to 0x10 (DSP0134 7.18.1); empty outside the table.
std::string SmbiosFormFactorName(uint8_t code);
// Form factors that are memory soldered to the board: a chip, a row of chips, a die.
bool IsSolderedFormFactor(uint8_t smbiosCode);
// LPDDR to LPDDR5: always soldered.
bool IsLowPowerMemoryType(uint8_t smbiosType);
