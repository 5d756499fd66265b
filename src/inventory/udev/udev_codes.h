#pragma once
// udev's dmi_memory_id writes SMBIOS codes as the names DMTF gives them ("DIMM", "DDR4",
// "Multi-bit ECC"); these read the names back into the codes. None for a name no code has,
// such as its "<OUT OF SPEC>".
#include <cstdint>
#include <optional>
#include <string_view>

std::optional<uint8_t> SmbiosArrayLocationCode(std::string_view name);
std::optional<uint8_t> SmbiosErrorCorrectionCode(std::string_view name);
std::optional<uint8_t> SmbiosFormFactorCode(std::string_view name);
std::optional<uint8_t> SmbiosMemoryTypeCode(std::string_view name);
// The type detail bits from their names joined by spaces ("Synchronous Registered (Buffered)";
// "None" is no bit).
std::optional<uint16_t> SmbiosTypeDetailBits(std::string_view names);
