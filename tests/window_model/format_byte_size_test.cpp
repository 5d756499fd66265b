#include <gtest/gtest.h>

#include "window_model/format_byte_size.h"

namespace {
constexpr std::int64_t KiB = 1024;
constexpr std::int64_t MiB = KiB * 1024;
constexpr std::int64_t GiB = MiB * 1024;
constexpr std::int64_t TiB = GiB * 1024;

// Each test starts with the start-up's unit names and a "." separator, and leaves the
// program-wide state as it found it.
class FormatByteSizeTest : public testing::Test {
 protected:
  void SetUp() override {
    FSaved = SizeUnitNames;
    SetStartupSizeUnitNames();
    SetDecimalSeparatorOverride(".");
  }
  void TearDown() override {
    SizeUnitNames = FSaved;
    SetDecimalSeparatorOverride(std::nullopt);
  }

 private:
  std::array<std::string, 5> FSaved;
};
}  // namespace

TEST_F(FormatByteSizeTest, BytesArePaddedToFourCharactersBeforeTheUnit) {
  EXPECT_EQ(FormatByteSize(512), "512  B");
  EXPECT_EQ(FormatByteSize(0), "0    B");
  EXPECT_EQ(FormatByteSize(1023), "1023 B");
}

TEST_F(FormatByteSizeTest, EachLevelUsesThreeSignificantDigitsBelowAThousand) {
  EXPECT_EQ(FormatByteSize(1024), "1 KB");
  EXPECT_EQ(FormatByteSize(1536), "1.5 KB");
  EXPECT_EQ(FormatByteSize(8 * GiB), "8 GB");
  EXPECT_EQ(FormatByteSize(GiB + GiB / 2), "1.5 GB");
  EXPECT_EQ(FormatByteSize(3 * GiB + 123 * MiB), "3.12 GB");  // 3.1201... rounds to 3 digits
  EXPECT_EQ(FormatByteSize(100 * MiB + 512 * KiB), "100 MB");  // 100.5 at three digits
  EXPECT_EQ(FormatByteSize(1023 * KiB + 1023), "1023 KB");    // not yet a megabyte
  EXPECT_EQ(FormatByteSize(1152), "1.12 KB");                  // 1.125: halves go to even
  EXPECT_EQ(FormatByteSize(2432), "2.38 KB");                  // 2.375
  EXPECT_EQ(FormatByteSize(10238), "10 KB");                   // 9.998 rounds into the tens
  EXPECT_EQ(FormatByteSize(102380), "100 KB");                 // 99.98 rounds into the hundreds
  EXPECT_EQ(FormatByteSize(10 * KiB + 5), "10 KB");            // 10.005: zeros after the point go
  EXPECT_EQ(FormatByteSize(1034), "1.01 KB");                  // 1.0098: a zero inside stays
}

TEST_F(FormatByteSizeTest, FromAThousandTheWholePartIsShown) {
  EXPECT_EQ(FormatByteSize(1020 * KiB), "1020 KB");
  EXPECT_EQ(FormatByteSize(1000 * MiB + MiB / 2), "1000 MB");
  // 999.5 and above would print "1e+03" at three significant digits.
  EXPECT_EQ(FormatByteSize(999 * GiB + GiB / 2), "999 GB");
  EXPECT_EQ(FormatByteSize(999 * KiB + 1023), "999 KB");      // 999.999 KB
  EXPECT_EQ(FormatByteSize(999 * KiB + 511), "999 KB");       // 999.499 stays at three digits
}

TEST_F(FormatByteSizeTest, TerabytesTakeAnySize) {
  EXPECT_EQ(FormatByteSize(2 * TiB), "2 TB");
  EXPECT_EQ(FormatByteSize(TiB / 4 * 5), "1.25 TB");
  EXPECT_EQ(FormatByteSize(1500 * TiB), "1500 TB");
  EXPECT_EQ(FormatByteSize(INT64_MAX), "8388608 TB");
}

TEST_F(FormatByteSizeTest, UsesTheUserDecimalSeparator) {
  SetDecimalSeparatorOverride(",");
  EXPECT_EQ(FormatByteSize(GiB + GiB / 2), "1,5 GB");
  EXPECT_EQ(FormatByteSize(8 * GiB), "8 GB");
}

TEST_F(FormatByteSizeTest, UnitNamesFollowTheProgramWideListAtEachCall) {
  SizeUnitNames = {"b.", "Kb.", "Mb.", "Gb.", "Tb."};  // before the start-up has run
  EXPECT_EQ(FormatByteSize(512), "512  b.");
  EXPECT_EQ(FormatByteSize(8 * GiB), "8 Gb.");
  EXPECT_EQ(FormatByteSize(3 * TiB), "3 Tb.");
  SetStartupSizeUnitNames();
  EXPECT_EQ(FormatByteSize(512), "512  B");
  EXPECT_EQ(FormatByteSize(3 * TiB), "3 TB");
}

TEST(SizeUnitNames, HoldTheEarlyNamesUntilTheStartUp) {
  // Runs in a process where no test has changed them for good: fixtures restore them.
  EXPECT_EQ(SizeUnitNames[0], "b.");
  EXPECT_EQ(SizeUnitNames[2], "Mb.");
  EXPECT_EQ(SizeUnitNames[4], "Tb.");
}

TEST(UserDecimalSeparator, ComesFromThePlatformWhenNotOverridden) {
  SetDecimalSeparatorOverride(std::nullopt);
  EXPECT_EQ(UserDecimalSeparator(), PlatformDecimalSeparator());
  EXPECT_FALSE(UserDecimalSeparator().empty());
}
