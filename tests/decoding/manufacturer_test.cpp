#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "decoding/manufacturer.h"

namespace {
using Cases = std::vector<std::pair<std::string, std::string>>;  // raw text, display name

void ExpectDecoded(const Cases& cases) {
  for (const auto& [raw, expected] : cases)
    EXPECT_EQ(DecodeManufacturer(raw), expected) << "raw text \"" << raw << "\"";
}
}  // namespace

TEST(TextTests, FoldOnlyAsciiLettersAndHandleEmptyAndShortTexts) {
  EXPECT_TRUE(TextContains("Samsung", "SAMSUNG ELECTRONICS"));
  EXPECT_TRUE(TextContains("lg", "GOLDSTAR LG"));
  EXPECT_FALSE(TextContains("", "anything"));
  EXPECT_FALSE(TextContains("Samsung", ""));
  EXPECT_FALSE(TextContains("\xE9", "\xC9"));  // Latin-1 e/E acute: not ASCII, not folded

  EXPECT_TRUE(TextStartsWith("80ce0000", "80CE"));
  EXPECT_FALSE(TextStartsWith("80C", "80CE"));
  EXPECT_TRUE(TextStartsWith("", ""));
  EXPECT_TRUE(TextStartsWith("abc", ""));
  EXPECT_FALSE(TextStartsWith(" 80CE", "80CE"));
  EXPECT_FALSE(TextStartsWith("[", "{"));  // 0x5B and 0x7B differ by the case bit only

  EXPECT_EQ(LeftText("Kingston", 4), "King");
  EXPECT_EQ(LeftText("Kingston", -3), "");
  EXPECT_EQ(LeftText("Kingston", 0), "");
  EXPECT_EQ(LeftText("Kingston", 100), "Kingston");
}

TEST(DecodeManufacturer, RawFirmwareTexts) {
  ExpectDecoded({
      {"80CE000080CE", "Samsung"},
      {"00AD00B300AD", "Hynix (Hyundai)"},
      {"Kingston", "Kingston"},
      {"Manufacturer00", "N/A"},
      {"", ""},
      {"  Samsung  ", "Samsung"},  // found as a fragment, spaces and all
      {"  80CE", "  80CE"},        // a code must start the text
      {"0x80CE", "0x80CE"},
  });
}

TEST(DecodeManufacturer, SamsungNanyaAndFairchildCodes) {
  ExpectDecoded({
      {"80CE", "Samsung"},
      {"CE00000000000000", "Samsung"},
      {"SAMSUNG", "Samsung"},
      {"7F7F7F0B00000000", "Nanya Technology"},
      {"830B", "Nanya Technology"},  // not Fairchild's "83"
      {"8083", "Fairchild"},
      {"83", "Fairchild"},
  });
}

TEST(DecodeManufacturer, LongerCodesOfEarlierRowsShadowShorterLaterOnes) {
  ExpectDecoded({
      {"0198", "Kingston"},
      {"0194", "Smart Modular"},  // not AMD's "01"
      {"7F98", "Kingston"},
      {"HyperX by Kingston", "Kingston"},
      {"02FE", "Elpida"},  // not AMI's "02"
      {"0200000000000000", "AMI"},
      {"0100000000000000", "AMD"},
      {"8001", "AMD"},
  });
}

TEST(DecodeManufacturer, NameFragmentsAnywhereInAnyCase) {
  ExpectDecoded({
      {"16", "Synertek"},
      {"8016", "Synertek"},
      {"made by xicor", "Xicor"},
      {"Hyundai Electronics", "Hynix (Hyundai)"},
      {"Siemens AG", "Infineon (Siemens)"},
      {"Philips", "NXP (Philips Semi, Signetics)"},
      {"nxp", "NXP (Philips Semi, Signetics)"},
      {"Bulgaria", "LG (Goldstar)"},  // "lg" inside a longer word
      {"Camiel", "AMI"},
      {"xAMDx", "AMD"},
      {"Connector", "NEC"},
      {"Agte", "GTE"},
      {"nibm", "IBM"},
      {"Intelligent", "Numonyx (Intel)"},
      {"NEC and Samsung", "Samsung"},  // two rows match: the later one wins
      {"Samsung NEC", "Samsung"},
  });
}

TEST(DecodeManufacturer, TwoCharacterCodesArePrefixesOfPlainNamesToo) {
  ExpectDecoded({
      {"Dell", "Winbond Electronics"},
      {"cello", "Samsung"},
      {"Adobe", "Hynix (Hyundai)"},
  });
}

TEST(DecodeManufacturer, PlaceholdersAndUnknownTexts) {
  ExpectDecoded({
      {"Manufacturer", "N/A"},
      {"manufacturer 01", "N/A"},
      {"MANUFACTURER  ", "N/A"},
      {"Unknown", "Unknown"},
      {" Unknown ", " Unknown "},
      {"FFFF", "FFFF"},
      {"Manufact", "Manufact"},
  });
}

TEST(DecodeManufacturer, OneCodeForEveryRowOfTheFirstRelease) {
  ExpectDecoded({
      {"8004", "Fujitsu"},         {"7F7FFE00", "Elpida"},
      {"0500", "Elpida"},          {"8007", "Hitachi"},
      {"08", "Inmos"},             {"800B", "Intersil"},
      {"0D", "Mostek"},            {"800E", "Freescale (Motorola)"},
      {"Motorola", "Freescale (Motorola)"},
      {"8010", "NEC"},             {"13", "Conexant (Rockwell)"},
      {"Rockwell", "Conexant (Rockwell)"},
      {"8015", "NXP (Philips Semi, Signetics)"},
      {"Signetics", "NXP (Philips Semi, Signetics)"},
      {"1A", "Zilog"},             {"801C", "Mitsubishi"},
      {"802C", "Micron Technology"},
      {"8040", "ProMOS/Mosel Vitelic"},
      {"Mosel Vitelic", "ProMOS/Mosel Vitelic"},
      {"806A", "Goldenram"},       {"7F7FB5", "SpecTek"},
      {"Nanya", "Nanya Technology"},
      {"85", "GTE"},               {"8089", "Numonyx (Intel)"},
      {"Numonyx", "Numonyx (Intel)"},
      {"8091", "DATARAM"},         {"94", "Smart Modular"},
      {"8098", "Toshiba"},         {"80A4", "IBM"},
      {"80AD", "Hynix (Hyundai)"}, {"80C1", "Infineon (Siemens)"},
      {"7F7F7F7F7F510000", "Infineon (Siemens)"},
      {"00CE", "Samsung"},         {"80DE", "Winbond Electronics"},
      {"80E0", "LG (Goldstar)"},   {"Goldstar", "LG (Goldstar)"},
      {"7F45", "Micron CMS"},      {"7F7F7F7F43", "Ramaxel Technology"},
      {"8002", "AMI"},             {"06C1", "ASint"},
  });
}

TEST(DecodeManufacturer, BankAndCodeTextsOfCurrentMakersBeatTheBankCountPrefixes) {
  ExpectDecoded({
      {"859B", "Crucial Technology"},  // GTE's "85" matches too; the later row wins
      {"859B000000000000", "Crucial Technology"},
      {"059B", "Crucial Technology"},
      {"CRUCIAL", "Crucial Technology"},
      {"04CB", "A-DATA Technology"},  // not Fujitsu's "04"
      {"84CB", "A-DATA Technology"},
      {"ADATA", "A-DATA Technology"},  // not Hynix's "AD"
      {"A-DATA", "A-DATA Technology"},
      {"04CD", "G.Skill"},
      {"84CD", "G.Skill"},
      {"G Skill", "G.Skill"},
      {"g-skill", "G.Skill"},
      {"04EF", "Team Group"},
      {"TeamGroup", "Team Group"},
      {"029E", "Corsair"},  // not AMI's "02"
      {"829E", "Corsair"},
      {"8502", "Patriot Memory"},
      {"0502", "Patriot Memory"},
      {"014F", "Transcend Information"},  // not AMD's "01"
      {"814F", "Transcend Information"},
      {"017A", "Apacer Technology"},
      {"817A", "Apacer Technology"},
      {"01BA", "PNY Technologies"},
      {"PNY Technologies Inc", "PNY Technologies"},
      {"8325", "Kingmax Semiconductor"},  // not Fairchild's "83"
      {"0325", "Kingmax Semiconductor"},
      {"8551", "Qimonda"},
      {"Qimonda AG", "Qimonda"},
      {"8316", "Netlist"},
      {"0316", "Netlist"},
      {"86D3", "Silicon Power"},
      {"06D3", "Silicon Power"},
      {"8313", "Golden Empire"},
      {"0313", "Golden Empire"},
  });
}

TEST(DecodeManufacturer, AppendedRowsLeaveOtherTextsAlone) {
  ExpectDecoded({
      {"85", "GTE"},
      {"8500", "GTE"},
      {"0400", "Fujitsu"},
      {"0200", "AMI"},
      {"0100", "AMD"},
      {"8300", "Fairchild"},
      {"SK Hynix", "Hynix (Hyundai)"},
      {"Samsung", "Samsung"},
      {"Kingston", "Kingston"},
      {"Micron Technology", "Micron Technology"},
      {"PNY", "PNY"},  // the fragment is "PNY Tech": a bare "PNY" stays as it is
  });
}
