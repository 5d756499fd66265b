#include <gtest/gtest.h>

#include "report/advice/advice_rules.h"

namespace {
struct MakerCase {
  const char* raw;
  std::optional<std::string> maker;
};

TEST(AdviceMakers, DecodesEveryWayFirmwareWritesAMaker) {
  const MakerCase cases[] = {
      // Names, normalised so that a code and a name of one maker compare equal.
      {"Kingston", "Kingston"},
      {"  Samsung\t", "Samsung"},
      {"SK hynix", "Hynix (Hyundai)"},
      {"Micron Technology Inc.", "Micron Technology"},
      {"GeIL", "Golden Empire"},
      {"Intelligent Memory", "Intelligent Memory"},  // not "Intel": whole words only
      {"Kllisre", "Kllisre"},                        // a maker we do not list keeps its name
      // Bank and code, in either byte order, with or without parity on the count, padded.
      {"80CE", "Samsung"},          {"CE80", "Samsung"},
      {"CE00000000000000", "Samsung"},
      {"00AD00B300AD", "Hynix (Hyundai)"},
      {"002C0632002C", "Micron Technology"},
      {"0198", "Kingston"},         {"859B", "Crucial Technology"},
      {"029E", "Corsair"},          {"04CD", "G.Skill"},
      {"830B", "Nanya Technology"}, {"0443", "Ramaxel Technology"},
      // Makers only the report's table knows.
      {"8394", "Mushkin"},          {"8634", "Super Talent"},
      {"85BA", "Virtium Technology"}, {"0707", "Unifosa"},
      {"06F1", "Innodisk"},         {"80DA", "Winbond Electronics"},
      {"8091", "RCA"},              // bank 1 0x11, whatever the window's row says
      // Decorations and continuation codes.
      {"JEDEC ID:80 CE", "Samsung"},
      {"jedec id:01 98", "Kingston"},
      {"0x80CE", "Samsung"},
      {"Unknown - [0x9B85]", "Crucial Technology"},
      {"7F98000000000000", "Kingston"},
      {"7F7F7F7F7F9B0000", "Crucial Technology"},
      {"7F7F7F7F7F51", "Qimonda"},
      // Placeholders and codes nobody is known for.
      {"Manufacturer00", std::nullopt}, {"Mfg 0", std::nullopt},
      {"NOT SPECIFIED", std::nullopt},  {"FFFFFFFF", std::nullopt},
      {"", std::nullopt},
      {"80DE", std::nullopt},           // parity wrong: no code at all
      {"8080", std::nullopt},           // code 0x80 is no maker
      {"0500", std::nullopt},           // bad parity in either order
      {"7F7F7F7F7F7F7F7F", std::nullopt},
      {"Unknown - [0x1234]", std::nullopt},
  };
  for (const MakerCase& c : cases) {
    EXPECT_EQ(DecodeModuleMaker(c.raw), c.maker) << "raw: \"" << c.raw << '"';
  }
}

TEST(AdviceMakers, DecodesTheSmbiosModuleManufacturerId) {
  const std::pair<uint16_t, std::optional<std::string>> cases[] = {
      {0xCE80, "Samsung"},             // count 0 with its parity bit, code 0xCE
      {0xAD80, "Hynix (Hyundai)"},
      {0x2C80, "Micron Technology"},
      {0x9801, "Kingston"},
      {0x9B85, "Crucial Technology"},
      {0xCD04, "G.Skill"},
      {0x0000, std::nullopt},
      {0xCE00, "Samsung"},             // count written without its parity bit
      {0x4E80, std::nullopt},          // code with its parity bit wrong
      {0x9810, std::nullopt},          // 16 continuation codes: beyond the banks
      {0x9881, std::nullopt},          // Kingston's code, count byte with its parity bit wrong
  };
  for (const auto& [id, maker] : cases) {
    EXPECT_EQ(DecodeModuleMakerId(id), maker) << "id: 0x" << std::hex << id;
  }
}
}  // namespace
