#pragma once
// The values of udev's memory properties, read strictly: anything else is unknown, never a
// wrapped or clamped number.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Decimal digits only, up to 2^64 - 1.
std::optional<uint64_t> ParseUdevNumber(std::string_view text);

// Volts as dmi_memory_id writes them ("1.25", "0.5"). It prints a multiple of 0.1 V with one
// significant digit, so 1.2 V comes out as "1": a whole number of volts is not known exactly.
std::optional<uint16_t> ParseUdevMillivolts(std::string_view text);

// "Bank 3, Hex 0x9E" (JEP106 bank and code) as the manufacturer text firmware writes for it,
// the continuation count with odd parity then the code: "029E".
std::optional<std::string> JedecManufacturerText(std::string_view text);
