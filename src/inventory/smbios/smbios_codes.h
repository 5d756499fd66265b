#pragma once
// SMBIOS code values (DMTF DSP0134) translated to the codes the WMI classes use, as Windows
// does when it builds Win32_PhysicalMemory and Win32_PhysicalMemoryArray from the same tables.
// Each returns none for a code the translation table does not hold.
#include <cstdint>
#include <optional>

// Physical memory array (type 16).
constexpr uint8_t kSmbiosUseSystemMemory = 0x03;
std::optional<uint16_t> WmiArrayLocation(uint8_t smbiosLocation);
std::optional<uint16_t> WmiArrayUse(uint8_t smbiosUse);
std::optional<uint16_t> WmiErrorCorrection(uint8_t smbiosCorrection);

// Memory device (type 17).
std::optional<uint16_t> WmiFormFactor(uint8_t smbiosFormFactor);
// The WMI MemoryType Windows derives from the SMBIOS memory type: it names DDR to DDR4 and the
// FB-DIMM kinds and reports 0 (unknown) for everything else, DDR5 and LPDDR included.
uint16_t WmiMemoryType(uint8_t smbiosType);
