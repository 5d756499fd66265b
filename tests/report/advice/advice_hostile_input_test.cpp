#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "report/advice/advice_rules.h"

namespace {
std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// Firmware strings are any bytes of any length. Long adversarial texts must come back with sound
// answers (the module is built with the sanitizers, which catch a read past the end).
TEST(AdviceHostileInput, LongAndBinaryTextsGetSoundAnswers) {
  constexpr size_t kLong = size_t{1} << 16;
  const std::string continuations = Repeat("7F", kLong);
  EXPECT_EQ(DecodeModuleMaker(continuations), std::nullopt);
  EXPECT_EQ(DecodeModuleMaker(continuations + "CE"), std::nullopt);  // beyond the banks
  const std::string brackets = Repeat("[", kLong) + Repeat("]", kLong);
  EXPECT_TRUE(DecodeModuleMaker(brackets) == brackets);  // a name we do not know (not printed)
  EXPECT_EQ(KitRatedSpeed("CM" + Repeat("X4M2B", kLong)), std::nullopt);
  EXPECT_EQ(KitRatedSpeed("F4-" + Repeat("9", kLong) + "C"), std::nullopt);
  EXPECT_TRUE(DecodePartNumber("0x" + Repeat("4142", kLong)) == Repeat("AB", kLong));
  EXPECT_EQ(CleanFirmwareText(Repeat("0123456789ABCDEF", kLong)), std::nullopt);
  EXPECT_TRUE(IsVirtualMachine(Repeat("Xe", kLong) + " Xen", ""));

  // Pseudo-random bytes, the same on every run: the sanitizers watch every read.
  std::string bytes;
  for (uint32_t i = 0, state = 12345; i < 4096; ++i) {
    state = state * 1103515245 + 12345;
    bytes += static_cast<char>(state >> 24);
  }
  for (size_t length : {1, 2, 4, 17, 300, 4096}) {
    const std::string text = bytes.substr(0, length);
    const std::optional<std::string> clean = CleanFirmwareText(text);
    EXPECT_TRUE(!clean || (!clean->empty() && clean->front() != ' ' && clean->back() != '\0'));
    EXPECT_NE(DecodeModuleMaker(text), std::optional<std::string>(""));
    EXPECT_LE(KitRatedSpeed(text).value_or(0), 99999u);
  }
}
}  // namespace
