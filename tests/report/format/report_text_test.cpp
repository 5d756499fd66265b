// Text clean-up and the texts of the extra facts.
#include <gtest/gtest.h>

#include "report/report_facts.h"
#include "report/format/report_text.h"

namespace {

TEST(ReportText, ValidUtf8StaysAndOtherBytesBecomeLatin1) {
  EXPECT_EQ(ToUtf8("plain ASCII"), "plain ASCII");
  EXPECT_EQ(ToUtf8("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");          // "été" in UTF-8
  EXPECT_EQ(ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");                  // the same in Latin-1
  EXPECT_EQ(ToUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"), "\xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8("\xFF"), "\xC3\xBF");
  EXPECT_EQ(ToUtf8("\x80"), "\xC2\x80");
  // Sequences that look like UTF-8 but are not: cut short, overlong, surrogate, past U+10FFFF.
  EXPECT_EQ(ToUtf8("\xC3"), "\xC3\x83");
  EXPECT_EQ(ToUtf8("\xE2\x82"), "\xC3\xA2\xC2\x82");
  EXPECT_EQ(ToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(ToUtf8("\xE0\x80\xAF"), "\xC3\xA0\xC2\x80\xC2\xAF");
  EXPECT_EQ(ToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
  EXPECT_EQ(ToUtf8("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80");
  EXPECT_EQ(ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(ReportText, ControlCharactersNeverReachTheTerminal) {
  EXPECT_EQ(Printable("DIMM\x1B[2J A1\r\n\t\x7F"), "DIMM?[2J A1????");
  EXPECT_EQ(Printable("\xC3\xA9"), "\xC3\xA9");
  // C1 controls, which terminals obey too (CSI, OSC, NEL), as Latin-1 bytes and in UTF-8.
  EXPECT_EQ(Printable("\x9B" "2J\x9D" "0;x\x85"), "?2J?0;x?");
  EXPECT_EQ(Printable("\xC2\x9B" "2J\xC2\x80\xC2\x9F"), "?2J??");
  EXPECT_EQ(Printable("\x80\x9F\xA0"), "??\xA0");
  // Printable characters whose bytes lie in that range stay: NBSP, the euro sign.
  EXPECT_EQ(Printable("\xC2\xA0\xE2\x82\xAC\xC2"), "\xC2\xA0\xE2\x82\xAC\xC2");
}

TEST(ReportFacts, SizesVoltagesWidthsSpeeds) {
  EXPECT_EQ(ExactSizeText(8LL << 30), "8 GB");
  EXPECT_EQ(ExactSizeText(512LL << 20), "512 MB");
  EXPECT_EQ(ExactSizeText(1536LL << 20), "1536 MB");
  EXPECT_EQ(ExactSizeText(512 * 1024), "512 KB");
  EXPECT_EQ(ExactSizeText(1000), "1000 bytes");
  EXPECT_EQ(ExactSizeText(0), "0 bytes");
  EXPECT_EQ(ApproximateSizeText(458240LL << 20), "447.5 GB");
  EXPECT_EQ(ApproximateSizeText(40LL << 30), "40 GB");
  EXPECT_EQ(ApproximateSizeText((1LL << 30) - 1), "1023.9 MB");
  EXPECT_EQ(ApproximateSizeText(7424LL << 30), "7424 GB");
  EXPECT_EQ(ApproximateSizeText(100), "100 bytes");
  EXPECT_EQ(VoltageText(1200), "1.2 V");
  EXPECT_EQ(VoltageText(1350), "1.35 V");
  EXPECT_EQ(VoltageText(1125), "1.125 V");
  EXPECT_EQ(VoltageText(500), "0.5 V");
  EXPECT_EQ(VoltageText(5000), "5.0 V");
  EXPECT_EQ(WidthText(64, 64), "64 bits");
  EXPECT_EQ(WidthText(64, 72), "64 bits, 72 total (ECC)");
  EXPECT_EQ(WidthText(64, std::nullopt), "64 bits");
  EXPECT_EQ(WidthText(std::nullopt, 72), "72 bits total");
  EXPECT_EQ(WidthText(std::nullopt, std::nullopt), "");
  EXPECT_EQ(SpeedText(3200), "3200 MT/s");
}

}  // namespace
