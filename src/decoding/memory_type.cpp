#include "decoding/memory_type.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {
struct CodeName {
  uint32_t code;
  std::string_view name;
};

// WMI (CIM) MemoryType codes 0 to 21. Code 0 is "unknown": the speed refines it below, as it
// does every code above 21.
constexpr std::string_view kUndecidedDdr = "DDR3";
constexpr std::string_view kWmiTypeNames[] = {
    kUndecidedDdr,  // 0
    "Other",     "DRAM",  "Synchronous DRAM", "Cache DRAM", "EDO",    "EDRAM", "VRAM",   // 1-7
    "SRAM",      "RAM",   "ROM",              "Flash",      "EEPROM", "FEPROM", "EPROM",  // 8-14
    "CDRAM",     "3DRAM", "SDRAM",            "SGRAM",      "RDRAM",                      // 15-19
    "DDR",       "DDR2",                                                                  // 20-21
};

// WMI codes that name the generation outright (Windows 10 and later).
constexpr CodeName kWmiGenerationCodes[] = {{26, "DDR4"}, {34, "DDR5"}};

// SMBIOS type 17 "Memory Type" values (SMBIOS reference 7.18.2), taken when WMI says 0. Below
// 0x18 these are not the WMI codes: SMBIOS 0x12 is DDR where WMI uses 20.
constexpr CodeName kSmbiosTypeNames[] = {
    {0x12, "DDR"},   {0x13, "DDR2"},   {0x18, "DDR3"},   {0x1A, "DDR4"},   {0x22, "DDR5"},
    {0x1B, "LPDDR"}, {0x1C, "LPDDR2"}, {0x1D, "LPDDR3"}, {0x1E, "LPDDR4"}, {0x23, "LPDDR5"},
};

// Speed bands (MHz) for an undecided DDR code: above kRefineAbove, DDR below kDdr2From, DDR2
// below kDdr3From. Without an SMBIOS type, code 0 above kDdr3Fastest is DDR4 (no DDR3 module is
// rated faster) and from kDdr5Slowest on DDR5 (no DDR4 module is rated that fast).
constexpr int32_t kRefineAbove = 200;
constexpr int32_t kDdr2From = 400;
constexpr int32_t kDdr3From = 800;
constexpr int32_t kDdr3Fastest = 2133;
constexpr int32_t kDdr5Slowest = 4000;

constexpr int kRatingFactorShift = 3;  // rating = speed * 8
constexpr size_t kGenerationDigit = 3;  // "DDR3"[3] == '3'
constexpr std::string_view kRatedWithDigit[] = {"DDR2", "DDR3", "DDR4", "DDR5"};
constexpr std::string_view kRatedWithoutDigit = "DDR";

std::string_view Lookup(std::span<const CodeName> table, uint32_t code) {
  auto row = std::ranges::find(table, code, &CodeName::code);
  return row == table.end() ? std::string_view{} : row->name;
}

// The classic rule: the table's name, with an undecided DDR told apart by the speed.
std::string_view ClassicTypeName(uint32_t code, int32_t speed) {
  std::string_view name = code < std::size(kWmiTypeNames) ? kWmiTypeNames[code] : kUndecidedDdr;
  if (name != kUndecidedDdr || speed <= kRefineAbove) return name;
  if (speed < kDdr2From) return "DDR";
  if (speed < kDdr3From) return "DDR2";
  return name;
}

std::string_view CurrentGenerationBySpeed(int32_t speed) {
  if (speed >= kDdr5Slowest) return "DDR5";
  if (speed > kDdr3Fastest) return "DDR4";
  return "DDR3";
}
}  // namespace

std::string MemoryTypeName(uint32_t code, uint32_t speed, uint32_t smbiosType) {
  const int32_t signedSpeed = static_cast<int32_t>(speed);
  if (std::string_view name = Lookup(kWmiGenerationCodes, code); !name.empty())
    return std::string(name);
  if (code != 0) return std::string(ClassicTypeName(code, signedSpeed));
  if (std::string_view name = Lookup(kSmbiosTypeNames, smbiosType); !name.empty())
    return std::string(name);
  std::string_view name = ClassicTypeName(code, signedSpeed);
  if (name == kUndecidedDdr) name = CurrentGenerationBySpeed(signedSpeed);
  return std::string(name);
}

std::string ModuleTypeText(uint32_t code, uint32_t speed, uint32_t smbiosType) {
  std::string text = MemoryTypeName(code, speed, smbiosType);
  if (speed == 0) return text;
  const std::string rating = std::to_string(speed << kRatingFactorShift);  // wraps mod 2^32
  if (std::ranges::find(kRatedWithDigit, text) != std::end(kRatedWithDigit))
    return text + " / PC" + text[kGenerationDigit] + "-" + rating;
  if (text == kRatedWithoutDigit) return text + " / PC-" + rating;
  return text;
}
