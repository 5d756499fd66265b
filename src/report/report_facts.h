#pragma once
// Texts of the facts the report adds to the window's rows.
#include <cstdint>
#include <optional>
#include <string>

// In the largest unit that divides the size exactly: "8 GB", "512 MB", "512 KB", "100 bytes".
std::string ExactSizeText(int64_t bytes);
// In the largest unit that holds at least one, rounded down to a tenth: "447.5 GB", "149.1 GB".
std::string ApproximateSizeText(int64_t bytes);
// Millivolts as volts with at least one decimal: "1.2 V", "1.35 V", "5.0 V".
std::string VoltageText(int64_t millivolts);
// "64 bits", or with a wider total "64 bits, 72 total (ECC)".
std::string WidthText(std::optional<int64_t> data, std::optional<int64_t> total);
std::string SpeedText(int64_t megatransfers);
