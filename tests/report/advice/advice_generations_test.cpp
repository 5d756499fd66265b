#include <gtest/gtest.h>

#include "report/advice/advice_rules.h"

namespace {
TEST(AdviceGenerations, NamesOnlyTheTypeCodesThatNameAGeneration) {
  const std::pair<uint32_t, std::optional<std::string>> smbios[] = {
      {0x0F, "SDRAM"}, {0x12, "DDR"},    {0x13, "DDR2"},   {0x14, "DDR2"},   {0x18, "DDR3"},
      {0x1A, "DDR4"},  {0x1B, "LPDDR"},  {0x1C, "LPDDR2"}, {0x1D, "LPDDR3"}, {0x1E, "LPDDR4"},
      {0x22, "DDR5"},  {0x23, "LPDDR5"}, {0x00, std::nullopt}, {0x02, std::nullopt},
      {0x19, std::nullopt}, {0x1F, std::nullopt}, {0x24, std::nullopt}, {0xFFFFFFFF, std::nullopt},
  };
  for (const auto& [type, name] : smbios) EXPECT_EQ(GenerationFromSmbiosType(type), name) << type;

  const std::pair<uint32_t, std::optional<std::string>> wmi[] = {
      {20, "DDR"}, {21, "DDR2"}, {22, "DDR2"}, {24, "DDR3"}, {26, "DDR4"},
      {0, std::nullopt}, {17, std::nullopt}, {23, std::nullopt}, {25, std::nullopt},
  };
  for (const auto& [type, name] : wmi) EXPECT_EQ(GenerationFromWmiType(type), name) << type;
}

TEST(AdviceGenerations, StandardNameTakesTheGradeWithinOnePercent) {
  struct Case {
    std::optional<std::string> generation;
    std::optional<uint32_t> speed;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"DDR", 400, "DDR-400 (PC3200)"},             {"DDR", 266, "DDR-266 (PC2100)"},
      {"DDR2", 667, "DDR2-667 (PC2-5300)"},         {"DDR2", 1066, "DDR2-1066 (PC2-8500)"},
      {"DDR3", 1333, "DDR3-1333 (PC3-10600)"},      {"DDR3", 2133, "DDR3-2133 (PC3-17000)"},
      {"DDR4", 2667, "DDR4-2666 (PC4-21300)"},      {"DDR4", 2933, "DDR4-2933 (PC4-23400)"},
      {"DDR4", 3168, "DDR4-3200 (PC4-25600)"},      {"DDR4", 3167, "DDR4-3167"},  // 1% and beyond
      {"DDR4", 3600, "DDR4-3600"},                  // an XMP speed, not a JEDEC grade
      {"DDR5", 4800, "DDR5-4800 (PC5-38400)"},      {"DDR5", 5600, "DDR5-5600 (PC5-44800)"},
      {"DDR5", 8000, "DDR5-8000 (PC5-64000)"},      {"DDR5", 6200, "DDR5-6200"},
      {"LPDDR5", 6400, std::nullopt},               {"SDRAM", 133, std::nullopt},
      {std::nullopt, 3200, std::nullopt},           {"DDR4", std::nullopt, std::nullopt},
      {"DDR4", 0, std::nullopt},                    {"DDR4", 0xFFFFFFFF, "DDR4-4294967295"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StandardName(c.generation, c.speed), c.name)
        << c.generation.value_or("?") << " at " << c.speed.value_or(0);
  }
}
}  // namespace
