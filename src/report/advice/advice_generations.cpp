#include <array>
#include <span>
#include <string>

#include "report/advice/advice_rules.h"

namespace {
struct SmbiosGeneration {
  uint32_t type;
  std::string_view name;
};
// SMBIOS memory device types (type 17 offset 0x12) that name a generation a buyer can shop for.
constexpr SmbiosGeneration kSmbiosGenerations[] = {
    {0x0F, "SDRAM"},  {0x12, "DDR"},    {0x13, "DDR2"},   {0x14, "DDR2"},   {0x18, "DDR3"},
    {0x1A, "DDR4"},   {0x1B, "LPDDR"},  {0x1C, "LPDDR2"}, {0x1D, "LPDDR3"}, {0x1E, "LPDDR4"},
    {0x22, "DDR5"},   {0x23, "LPDDR5"},
};

struct Grade {
  uint32_t megatransfers;
  uint32_t pcRating;
};
constexpr Grade kDdr[] = {{200, 1600}, {266, 2100}, {333, 2700}, {400, 3200}};
constexpr Grade kDdr2[] = {{400, 3200}, {533, 4200}, {667, 5300}, {800, 6400}, {1066, 8500}};
constexpr Grade kDdr3[] = {{800, 6400},    {1066, 8500},  {1333, 10600},
                           {1600, 12800},  {1866, 14900}, {2133, 17000}};
constexpr Grade kDdr4[] = {{1600, 12800}, {1866, 14900}, {2133, 17000}, {2400, 19200},
                           {2666, 21300}, {2933, 23400}, {3200, 25600}};
// DDR5 grades run from 4000 to 8000 MT/s by 400; the PC5 rating is eight times the grade.
constexpr std::array<Grade, 11> Ddr5Grades() {
  std::array<Grade, 11> grades{};
  for (uint32_t i = 0; i < grades.size(); ++i) grades[i] = {4000 + 400 * i, (4000 + 400 * i) * 8};
  return grades;
}
constexpr std::array<Grade, 11> kDdr5 = Ddr5Grades();

struct Family {
  std::string_view generation;
  std::string_view pcPrefix;  // "PC" then the generation digit, if any, and "-"
  std::span<const Grade> grades;
};
constexpr Family kFamilies[] = {
    {"DDR", "PC", kDdr}, {"DDR2", "PC2-", kDdr2}, {"DDR3", "PC3-", kDdr3},
    {"DDR4", "PC4-", kDdr4}, {"DDR5", "PC5-", kDdr5},
};

// Firmware rounds 2666.67 to 2666 or 2667 and some boards report 3197: 1% covers both.
const Grade* GradeNear(std::span<const Grade> grades, uint32_t megatransfers) {
  for (const Grade& grade : grades) {
    const uint64_t apart = megatransfers > grade.megatransfers
                               ? megatransfers - grade.megatransfers
                               : grade.megatransfers - megatransfers;
    if (apart * 100 <= grade.megatransfers) return &grade;
  }
  return nullptr;
}
}  // namespace

std::optional<std::string> GenerationFromSmbiosType(uint32_t smbiosType) {
  for (const SmbiosGeneration& row : kSmbiosGenerations) {
    if (row.type == smbiosType) return std::string(row.name);
  }
  return std::nullopt;
}

std::optional<std::string> GenerationFromWmiType(uint32_t wmiMemoryType) {
  switch (wmiMemoryType) {
    case 20: return "DDR";
    case 21: return "DDR2";
    case 22: return "DDR2";  // FB-DIMM
    case 24: return "DDR3";
    case 26: return "DDR4";
    default: return std::nullopt;
  }
}

std::optional<std::string> StandardName(const std::optional<std::string>& generation,
                                        std::optional<uint32_t> ratedMTs) {
  if (!generation || !ratedMTs || *ratedMTs == 0) return std::nullopt;
  for (const Family& family : kFamilies) {
    if (*generation != family.generation) continue;
    const std::string name = std::string(family.generation) + "-";
    if (const Grade* grade = GradeNear(family.grades, *ratedMTs)) {
      return name + std::to_string(grade->megatransfers) + " (" + std::string(family.pcPrefix) +
             std::to_string(grade->pcRating) + ")";
    }
    return name + std::to_string(*ratedMTs);
  }
  return std::nullopt;
}
