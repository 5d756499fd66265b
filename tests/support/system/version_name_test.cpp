#include <gtest/gtest.h>

#include "support/system/system_info.h"
#include "support/system/system_info_error.h"
#include "support/system/version_name.h"

TEST(NTVersionName, NamesEveryListedVersionAndLeavesTheOthersBare) {
  EXPECT_EQ(NTVersionName(true, 5, 0), "5.0 (Windows 2000)");
  EXPECT_EQ(NTVersionName(true, 5, 1), "5.1 (Windows XP)");
  EXPECT_EQ(NTVersionName(true, 6, 0), "6.0 (Vista)");
  EXPECT_EQ(NTVersionName(true, 6, 1), "6.1 (Seven)");
  EXPECT_EQ(NTVersionName(true, 6, 2), "6.2 (Windows8)");
  EXPECT_EQ(NTVersionName(true, 6, 3), "6.3 (Windows8.1)");
  // Server 2003 and 64-bit XP, then Windows 10 and 11.
  EXPECT_EQ(NTVersionName(true, 5, 2), "5.2");
  EXPECT_EQ(NTVersionName(true, 10, 0), "10.0");
  EXPECT_EQ(NTVersionName(true, 6, 4), "6.4");
  EXPECT_EQ(NTVersionName(true, 4, 0), "4.0");
}

TEST(NTVersionName, FailedQueryIsUnknownWhateverTheNumbers) {
  EXPECT_EQ(NTVersionName(false, 0, 0), "Unknown");
  EXPECT_EQ(NTVersionName(false, 6, 1), "Unknown");
}

TEST(WindowsVersionName, NamesThe95Family) {
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 0, ""), "4.0 (95)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 0, " B"), "4.0 (95)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 10, " A "), "4.10 (98SE)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 10, ""), "4.10 (98)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 10, "A"), "4.10 (98)");  // second character
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 90, ""), "4.90 (ME)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 4, 3, ""), "4.3 (Unknown)");
  EXPECT_EQ(WindowsVersionName(kPlatformWindows9x, 5, 0, ""), "5.0 (Unknown)");
}

TEST(WindowsVersionName, OtherPlatformsAreUnknown) {
  EXPECT_EQ(WindowsVersionName(0, 3, 10, ""), "Unknown");  // Win32s
  EXPECT_EQ(WindowsVersionName(3, 4, 0, ""), "Unknown");
}

TEST(BoolToYesNo, AnswersYesOrNo) {
  EXPECT_EQ(BoolToYesNo(true), "Yes");
  EXPECT_EQ(BoolToYesNo(false), "No");
}

TEST(OSErrorMessage, CarriesTheCodeAndTheSystemTextWithoutItsLineEnd) {
  EXPECT_EQ(OSErrorMessage(5, "Access is denied.\r\n"), "System Error. Code: 5.\r\nAccess is denied.");
  EXPECT_EQ(OSErrorMessage(1234, ""), "System Error. Code: 1234.");
  OSError error(87, OSErrorMessage(87, "x"));
  EXPECT_EQ(error.Code(), 87u);
  EXPECT_STREQ(error.what(), "System Error. Code: 87.\r\nx");
}
