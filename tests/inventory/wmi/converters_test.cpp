#include "inventory/wmi/converters.h"

#include <gtest/gtest.h>

namespace {

const PropertyValue kNull = PropertyValue::Null();

TEST(Converters, NullGivesTheDefaults) {
  EXPECT_EQ(ValueToString(kNull), "");
  EXPECT_EQ(ValueToWord(kNull), 0);
  EXPECT_EQ(ValueToInt64(kNull), 0);
  EXPECT_EQ(ValueToCardinal(kNull), 0u);
  EXPECT_FALSE(ValueToBoolean(kNull));
  EXPECT_EQ(ValueToDouble(kNull), 0.0);
  EXPECT_EQ(ValueToDateTime(kNull), 0.0);
}

TEST(Converters, EmptyValueConvertsToZeroAndEmptyText) {
  EXPECT_EQ(ValueToString(PropertyValue()), "");
  EXPECT_EQ(ValueToInt64(PropertyValue()), 0);
  EXPECT_FALSE(ValueToBoolean(PropertyValue()));
}

TEST(Converters, SixtyFourBitNumbersArriveAsDecimalText) {
  EXPECT_EQ(ValueToInt64(PropertyValue("8589934592")), 8589934592LL);
  EXPECT_EQ(ValueToInt64(PropertyValue(" 17179869184 ")), 17179869184LL);
  EXPECT_EQ(ValueToInt64(PropertyValue("-5")), -5);
  EXPECT_EQ(ValueToInt64(PropertyValue(int64_t{1} << 40)), int64_t{1} << 40);
  EXPECT_EQ(ValueToInt64(PropertyValue("9223372036854775807")), INT64_MAX);
  EXPECT_THROW(ValueToInt64(PropertyValue("18446744073709551615")), ConversionError);
  EXPECT_THROW(ValueToInt64(PropertyValue("12 GB")), ConversionError);
  EXPECT_THROW(ValueToInt64(PropertyValue("")), ConversionError);
}

TEST(Converters, RealsRoundHalfToEvenAsVariantsDo) {
  EXPECT_EQ(ValueToInt64(PropertyValue(2.5)), 2);
  EXPECT_EQ(ValueToInt64(PropertyValue(3.5)), 4);
  EXPECT_EQ(ValueToInt64(PropertyValue("1.5")), 2);
  EXPECT_THROW(ValueToInt64(PropertyValue(1e30)), ConversionError);
}

TEST(Converters, WordAndCardinalKeepTheLowBits) {
  EXPECT_EQ(ValueToWord(PropertyValue(70000)), 70000 & 0xFFFF);
  EXPECT_EQ(ValueToWord(PropertyValue("65537")), 1);
  EXPECT_EQ(ValueToWord(PropertyValue(-1)), 0xFFFF);
  EXPECT_EQ(ValueToCardinal(PropertyValue("4294967297")), 1u);
  // WMI hands unsigned 32-bit properties over as signed 32-bit integers.
  EXPECT_EQ(ValueToCardinal(PropertyValue(-1)), 0xFFFFFFFFu);
  EXPECT_EQ(ValueToCardinal(PropertyValue(int64_t{0x1234567890})), 0x34567890u);
  EXPECT_EQ(ValueToWord(PropertyValue(true)), 0xFFFF);  // a true variant is -1
}

TEST(Converters, TextForms) {
  EXPECT_EQ(ValueToString(PropertyValue("DIMM 0")), "DIMM 0");
  EXPECT_EQ(ValueToString(PropertyValue(1333)), "1333");
  EXPECT_EQ(ValueToString(PropertyValue(int64_t{8589934592})), "8589934592");
  EXPECT_EQ(ValueToString(PropertyValue(true)), "True");
  EXPECT_EQ(ValueToString(PropertyValue(2.5)), "2.5");
  EXPECT_EQ(ValueToString(PropertyValue::Date(40009.5)), "2009-07-15 12:00:00");
  EXPECT_THROW(ValueToString(PropertyValue(std::shared_ptr<WmiObject>())), ConversionError);
}

TEST(Converters, BooleansAndReals) {
  EXPECT_TRUE(ValueToBoolean(PropertyValue(true)));
  EXPECT_TRUE(ValueToBoolean(PropertyValue("TRUE")));
  EXPECT_FALSE(ValueToBoolean(PropertyValue("false")));
  EXPECT_TRUE(ValueToBoolean(PropertyValue(7)));
  EXPECT_FALSE(ValueToBoolean(PropertyValue("0")));
  EXPECT_THROW(ValueToBoolean(PropertyValue("yes")), ConversionError);
  EXPECT_DOUBLE_EQ(ValueToDouble(PropertyValue("2.5")), 2.5);
  EXPECT_DOUBLE_EQ(ValueToDouble(PropertyValue(int64_t{1} << 33)), 8589934592.0);
  EXPECT_THROW(ValueToDouble(PropertyValue("2,5")), ConversionError);
  // Real texts: decimal only, whole text, in range.
  EXPECT_DOUBLE_EQ(ValueToDouble(PropertyValue(" +1.25e3 ")), 1250.0);
  EXPECT_DOUBLE_EQ(ValueToDouble(PropertyValue("-.5")), -0.5);
  for (const char* bad : {"0x10", "inf", "nan", "1e", "1e999", "1e-999", "+-1", "1.5.2", "."})
    EXPECT_THROW(ValueToDouble(PropertyValue(bad)), ConversionError) << bad;
}

TEST(Converters, CimDateTimeText) {
  // 15 July 2009 is day 40009 after 30 December 1899; 12:34:56 is 45296 seconds into it.
  const double expected = 40009 + 45296.0 / 86400;
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue("20090715123456.000000+000")), expected);
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue("20090715123456.999999-300")), expected);
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue("18991230000000.000000+000")), 0.0);
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue("19000101000000.000000+000")), 2.0);
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue("20000229000000.000000+000")), 36585.0);
  EXPECT_EQ(FormatDateTime(expected), "2009-07-15 12:34:56");
}

TEST(Converters, ShortCimTextsCarryNoDate) {
  EXPECT_EQ(ValueToDateTime(PropertyValue("2009071512345")), 0.0);   // 13 digits
  EXPECT_EQ(ValueToDateTime(PropertyValue("20090715123456")), 0.0);  // 14 digits, no point
  EXPECT_EQ(ValueToDateTime(PropertyValue("")), 0.0);
}

TEST(Converters, BadCimPartsRaise) {
  EXPECT_THROW(ValueToDateTime(PropertyValue("2009ab15123456.000000+000")), ConversionError);
  EXPECT_THROW(ValueToDateTime(PropertyValue("2009071512****.******+***")), ConversionError);
  EXPECT_THROW(ValueToDateTime(PropertyValue("20090230123456.000000+000")), ConversionError);
  EXPECT_THROW(ValueToDateTime(PropertyValue("20091315123456.000000+000")), ConversionError);
  EXPECT_THROW(ValueToDateTime(PropertyValue("20090715243456.000000+000")), ConversionError);
  EXPECT_THROW(ValueToDateTime(PropertyValue("00000715123456.000000+000")), ConversionError);
}

TEST(Converters, DateValuesPassThrough) {
  EXPECT_DOUBLE_EQ(ValueToDateTime(PropertyValue::Date(40009.25)), 40009.25);
}

TEST(PropertyValueEquality, ComparesAsVariants) {
  EXPECT_EQ(PropertyValue(5), PropertyValue(int64_t{5}));
  EXPECT_EQ(PropertyValue(5), PropertyValue(5.0));
  EXPECT_EQ(PropertyValue("8589934592"), PropertyValue(int64_t{8589934592}));
  // Beyond 2^53 reals would call these equal.
  EXPECT_FALSE(PropertyValue("9007199254740993") == PropertyValue(int64_t{9007199254740992}));
  EXPECT_FALSE(PropertyValue("DIMM") == PropertyValue("dimm"));
  EXPECT_FALSE(PropertyValue("abc") == PropertyValue(0));
  EXPECT_EQ(PropertyValue::Null(), PropertyValue::Null());
  EXPECT_FALSE(PropertyValue::Null() == PropertyValue());
  EXPECT_FALSE(PropertyValue::Null() == PropertyValue(0));
  EXPECT_FALSE(PropertyValue(true) == PropertyValue(1));
}

}  // namespace
