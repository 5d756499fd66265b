#pragma once
// Byte counts as short texts with a size unit: "512  B", "1.5 GB", "1020 KB".
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Unit names for bytes, kilobytes, megabytes, gigabytes and terabytes, program-wide. They hold
// "b.", "Kb.", "Mb.", "Gb.", "Tb." until the start-up calls SetStartupSizeUnitNames.
extern std::array<std::string, 5> SizeUnitNames;
void SetStartupSizeUnitNames();

// Below 1024: the number left-aligned in four characters, a space, the byte unit. Above: the
// value in the largest unit that keeps it below 1024 (terabytes take any value), with three
// significant digits and the user's decimal separator below 1000, else its whole part.
std::string FormatByteSize(std::int64_t n);

// The decimal separator of the user's settings ("." where the platform has none).
std::string UserDecimalSeparator();
// While set, UserDecimalSeparator returns this instead of asking the platform.
void SetDecimalSeparatorOverride(std::optional<std::string> separator);

// Platform half of UserDecimalSeparator.
std::string PlatformDecimalSeparator();
