#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decoding/memory_type.h"

namespace {
constexpr uint32_t kNoSmbiosType = 0;

struct TypeCase {
  uint32_t code;
  uint32_t speed;
  uint32_t smbiosType;
  std::string expected;
};

void ExpectTypeTexts(const std::vector<TypeCase>& cases) {
  for (const TypeCase& c : cases) {
    EXPECT_EQ(ModuleTypeText(c.code, c.speed, c.smbiosType), c.expected)
        << "code " << c.code << ", speed " << c.speed << ", SMBIOS type " << c.smbiosType;
  }
}
}  // namespace

TEST(ModuleTypeText, UnknownCodeIsToldApartByTheSpeed) {
  ExpectTypeTexts({
      {0, 1333, kNoSmbiosType, "DDR3 / PC3-10664"},
      {0, 667, kNoSmbiosType, "DDR2 / PC2-5336"},
      {0, 333, kNoSmbiosType, "DDR / PC-2664"},
      {0, 0, kNoSmbiosType, "DDR3"},
      {0, 200, kNoSmbiosType, "DDR3 / PC3-1600"},
      {0, 201, kNoSmbiosType, "DDR / PC-1608"},
      {0, 399, kNoSmbiosType, "DDR / PC-3192"},
      {0, 400, kNoSmbiosType, "DDR2 / PC2-3200"},
      {0, 799, kNoSmbiosType, "DDR2 / PC2-6392"},
      {0, 800, kNoSmbiosType, "DDR3 / PC3-6400"},
  });
}

TEST(ModuleTypeText, KnownCodesKeepTheirNameWhateverTheSpeed) {
  ExpectTypeTexts({
      {21, 800, kNoSmbiosType, "DDR2 / PC2-6400"},
      {21, 1066, kNoSmbiosType, "DDR2 / PC2-8528"},
      {20, 400, kNoSmbiosType, "DDR / PC-3200"},
      {20, 1600, kNoSmbiosType, "DDR / PC-12800"},
      {17, 133, kNoSmbiosType, "SDRAM"},
      {19, 0, kNoSmbiosType, "RDRAM"},
      {19, 1066, kNoSmbiosType, "RDRAM"},
      {1, 1333, kNoSmbiosType, "Other"},
      {2, 0, kNoSmbiosType, "DRAM"},
      {18, 500, kNoSmbiosType, "SGRAM"},
  });
  EXPECT_EQ(MemoryTypeName(3, 100), "Synchronous DRAM");
  EXPECT_EQ(MemoryTypeName(16, 100), "3DRAM");
}

TEST(ModuleTypeText, OtherCodesAboveTwentyOneFollowTheClassicRuleOnly) {
  ExpectTypeTexts({
      {24, 1600, kNoSmbiosType, "DDR3 / PC3-12800"},
      {24, 333, kNoSmbiosType, "DDR / PC-2664"},
      {22, 667, kNoSmbiosType, "DDR2 / PC2-5336"},
      {25, 3200, kNoSmbiosType, "DDR3 / PC3-25600"},  // only code 0 is guessed to be DDR4
      {27, 4800, kNoSmbiosType, "DDR3 / PC3-38400"},
      {35, 0, kNoSmbiosType, "DDR3"},
      {0xFFFF, 1333, kNoSmbiosType, "DDR3 / PC3-10664"},
      {24, 1600, 0x1A, "DDR3 / PC3-12800"},  // the SMBIOS type speaks only when WMI says 0
  });
}

TEST(ModuleTypeText, Ddr4AndDdr5CodesNameTheGenerationWhateverTheSpeed) {
  ExpectTypeTexts({
      {26, 2666, kNoSmbiosType, "DDR4 / PC4-21328"},
      {26, 333, kNoSmbiosType, "DDR4 / PC4-2664"},
      {26, 0, kNoSmbiosType, "DDR4"},
      {26, 3200, 0x22, "DDR4 / PC4-25600"},
      {34, 4800, kNoSmbiosType, "DDR5 / PC5-38400"},
      {34, 1333, kNoSmbiosType, "DDR5 / PC5-10664"},
      {34, 0, 0x1A, "DDR5"},
  });
}

TEST(ModuleTypeText, SmbiosTypeDecidesWhenWmiSaysUnknown) {
  ExpectTypeTexts({
      {0, 3200, 0x1A, "DDR4 / PC4-25600"},
      {0, 1600, 0x1A, "DDR4 / PC4-12800"},  // the speed alone would say DDR3
      {0, 5600, 0x22, "DDR5 / PC5-44800"},
      {0, 1600, 0x18, "DDR3 / PC3-12800"},
      {0, 3200, 0x18, "DDR3 / PC3-25600"},  // the SMBIOS type outranks the speed guess
      {0, 800, 0x13, "DDR2 / PC2-6400"},
      {0, 1333, 0x13, "DDR2 / PC2-10664"},
      {0, 400, 0x12, "DDR / PC-3200"},
      {0, 1600, 0x12, "DDR / PC-12800"},
      {0, 0, 0x1A, "DDR4"},
      {0, 1866, 0x1B, "LPDDR"},  // low-power names carry no PC rating
      {0, 1066, 0x1C, "LPDDR2"},
      {0, 2133, 0x1D, "LPDDR3"},
      {0, 4266, 0x1E, "LPDDR4"},
      {0, 6400, 0x23, "LPDDR5"},
  });
}

TEST(ModuleTypeText, SmbiosCodesAreNotWmiCodes) {
  ExpectTypeTexts({
      {0, 1600, 20, "DDR3 / PC3-12800"},  // 20 is WMI's DDR, not an SMBIOS type we name
      {0, 1600, 21, "DDR3 / PC3-12800"},
      {0, 667, 0x02, "DDR2 / PC2-5336"},   // SMBIOS "Unknown" leaves the speed rule
      {0, 3200, 0x01, "DDR4 / PC4-25600"},  // SMBIOS "Other" likewise
      {0x12, 400, kNoSmbiosType, "SGRAM"},  // 0x12 as a WMI code is SGRAM
  });
}

TEST(ModuleTypeText, WithoutSmbiosTypeTheSpeedTellsCurrentGenerations) {
  ExpectTypeTexts({
      {0, 2133, kNoSmbiosType, "DDR3 / PC3-17064"},
      {0, 2134, kNoSmbiosType, "DDR4 / PC4-17072"},
      {0, 3200, kNoSmbiosType, "DDR4 / PC4-25600"},
      {0, 3999, kNoSmbiosType, "DDR4 / PC4-31992"},
      {0, 4000, kNoSmbiosType, "DDR5 / PC5-32000"},
      {0, 6000, kNoSmbiosType, "DDR5 / PC5-48000"},
  });
}

TEST(ModuleTypeText, SpeedIsSignedAndTheRatingWrapsAsUnsigned) {
  ExpectTypeTexts({
      {0, 0xFFFFFFFFu, kNoSmbiosType, "DDR3 / PC3-4294967288"},  // -1: no band; 8 * -1 wraps
      {0, 0x80000000u, kNoSmbiosType, "DDR3 / PC3-0"},           // negative, and 2^34 mod 2^32
      {0, 0x20000001u, kNoSmbiosType, "DDR5 / PC5-8"},
      {21, 0xFFFFFFFFu, kNoSmbiosType, "DDR2 / PC2-4294967288"},
  });
  EXPECT_EQ(MemoryTypeName(0, 0xFFFFFFFFu), "DDR3");
}
