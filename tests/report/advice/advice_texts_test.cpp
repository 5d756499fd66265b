#include <gtest/gtest.h>

#include <string>

#include "report/advice/advice_rules.h"

namespace {
struct TextCase {
  std::string raw;
  std::optional<std::string> clean;
};

TEST(AdviceTexts, TrimsAndDropsFirmwarePlaceholders) {
  const TextCase cases[] = {
      {"M378A1K43CB2-CTD   ", "M378A1K43CB2-CTD"},
      {std::string("\t 12345678\0\0", 12), "12345678"},
      {"", std::nullopt},                  {"   ", std::nullopt},
      {std::string("\0\0\0", 3), std::nullopt},
      {"To Be Filled By O.E.M.", std::nullopt}, {"system product name", std::nullopt},
      {"Default string", std::nullopt},    {"NO DIMM", std::nullopt},
      {"None", std::nullopt},              {"N/A", std::nullopt},
      {"Manufacturer07", std::nullopt},    {"Mfg 0", std::nullopt},
      {"MANUFACTURER", std::nullopt},      {"Mfg0x", "Mfg0x"},
      {"00000000", std::nullopt},          {"....", std::nullopt},
      {"0123", std::nullopt},              {"0123456789abcdef", std::nullopt},
      {"0123456789ABCDEF0123", std::nullopt},
      {"012", "012"},                      // too short to be a run
      {"01234567890", "01234567890"},      // not the hex run: a real number
      {"Manufacturer Inc.", "Manufacturer Inc."},
      {"Unknown - [0x9B85]", "Unknown - [0x9B85]"},  // a code to decode, not a placeholder
      {"NoneSuch", "NoneSuch"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(CleanFirmwareText(c.raw), c.clean) << "raw: \"" << c.raw << '"';
  }
}

TEST(AdviceTexts, DecodesHexEncodedPartNumbers) {
  const TextCase cases[] = {
      {"0x4B494E47", "KING"},
      {"0x4B46343336433137424B322F31360000  ", "KF436C17BK2/16"},
      {"0X2020484D413831475336434A52384E2D564B2020", "HMA81GS6CJR8N-VK"},  // padded with spaces
      {"0x00000000", std::nullopt},
      {"0x4B0049", "0x4B0049"},      // a NUL inside: not a hex-encoded text
      {"0x1234", "0x1234"},          // control characters: not a hex-encoded text
      {"0x4B4", "0x4B4"},            // odd number of digits
      {"CMK32GX4M2B3200C16 ", "CMK32GX4M2B3200C16"},
      {"0000000000000000", std::nullopt},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DecodePartNumber(c.raw), c.clean) << "raw: \"" << c.raw << '"';
  }
}
}  // namespace
