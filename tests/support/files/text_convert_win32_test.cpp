#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/files/text_convert.h"

TEST(TextConvert, AsciiAndEmbeddedNulsCrossBothWays) {
  EXPECT_EQ(AnsiToWide(""), L"");
  EXPECT_EQ(WideToAnsi(L""), "");
  EXPECT_EQ(AnsiToWide("C:\\Modulix\\Modulix.exe"), L"C:\\Modulix\\Modulix.exe");
  EXPECT_EQ(WideToAnsi(L"DDR3 4GB"), "DDR3 4GB");
  EXPECT_EQ(AnsiToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(TextConvert, UsesTheAnsiCodePage) {
  // Whatever the code page, a byte it maps survives the round trip unchanged.
  const std::wstring wide = AnsiToWide("caf\xE9");
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(WideToAnsi(wide), "caf\xE9");
  if (GetACP() == 1252) {
    EXPECT_EQ(wide, L"caf\u00E9");
    EXPECT_EQ(WideToAnsi(L"\u20AC"), "\x80");  // the euro sign sits at 0x80 in 1252
  }
}

TEST(TextConvert, CharactersTheCodePageLacksBecomeTheDefaultCharacter) {
  if (GetACP() == 65001) GTEST_SKIP() << "UTF-8 as the ANSI code page maps everything";
  EXPECT_EQ(WideToAnsi(L"x\u4E2Dy"), "x?y");
}
