#include "report/report_names.h"

#include <array>

namespace {

// Win32_PhysicalMemory.FormFactor, codes 0 to 23.
constexpr std::array<const char*, 24> kWmiFormFactor = {
    "Unknown", "Other", "SIP",  "DIP",  "ZIP",   "SOJ",  "Proprietary", "SIMM",
    "DIMM",    "TSOP",  "PGA",  "RIMM", "SODIMM", "SRIMM", "SMD",       "SSMP",
    "QFP",     "TQFP",  "SOIC", "LCC",  "PLCC",  "BGA",  "FPBGA",       "LGA"};

// SMBIOS form factor, codes 0x01 to 0x10.
constexpr uint8_t kSmbiosFormFactorFirst = 0x01;
constexpr std::array<const char*, 16> kSmbiosFormFactor = {
    "Other", "Unknown", "SIMM", "SIP", "Chip", "DIP", "ZIP", "Proprietary Card",
    "DIMM",  "TSOP",    "Row of chips", "RIMM", "SODIMM", "SRIMM", "FB-DIMM", "Die"};

constexpr uint8_t kFormFactorChip = 0x05;
constexpr uint8_t kFormFactorRowOfChips = 0x0B;
constexpr uint8_t kFormFactorDie = 0x10;

// SMBIOS memory types of the LPDDR family (DSP0134 7.18.2).
constexpr uint8_t kLpddrFirst = 0x1B;  // LPDDR, LPDDR2, LPDDR3, LPDDR4
constexpr uint8_t kLpddrLast = 0x1E;
constexpr uint8_t kLpddr5 = 0x23;

}  // namespace

std::string WmiFormFactorName(uint16_t code) {
  return code < kWmiFormFactor.size() ? kWmiFormFactor[code] : "";
}

std::string SmbiosFormFactorName(uint8_t code) {
  if (code < kSmbiosFormFactorFirst || code - kSmbiosFormFactorFirst >= int(kSmbiosFormFactor.size())) {
    return "";
  }
  return kSmbiosFormFactor[code - kSmbiosFormFactorFirst];
}

bool IsSolderedFormFactor(uint8_t code) {
  return code == kFormFactorChip || code == kFormFactorRowOfChips || code == kFormFactorDie;
}

bool IsLowPowerMemoryType(uint8_t type) {
  return (type >= kLpddrFirst && type <= kLpddrLast) || type == kLpddr5;
}
