// The spin edit's number text: reading, fixed and general formatting with either separator, and
// rounding halves to even.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/edit/SpinValueText.h"

namespace {

using SpinValueText::FormatFixed;
using SpinValueText::FormatGeneral;
using SpinValueText::RoundHalfEven;
using SpinValueText::RoundToInt32;
using SpinValueText::TryParse;

long double Parsed(const std::string& text, char separator = '.') {
  long double value = -12345;
  EXPECT_TRUE(TryParse(text, separator, value)) << text;
  return value;
}

bool Refused(const std::string& text, char separator = '.') {
  long double value = -12345;
  const bool ok = TryParse(text, separator, value);
  return !ok && value == -12345;
}

TEST(SpinValueTextTest, ReadsNumbersWithSignBlanksSeparatorAndExponent) {
  EXPECT_EQ(Parsed("180"), 180);
  EXPECT_EQ(Parsed("  12 "), 12);
  EXPECT_EQ(Parsed("007"), 7);
  EXPECT_EQ(Parsed("+7"), 7);
  EXPECT_EQ(Parsed("-1.5"), -1.5L);
  EXPECT_EQ(Parsed("1,5", ','), 1.5L);
  EXPECT_EQ(Parsed(".25"), 0.25L);
  EXPECT_EQ(Parsed("3."), 3);
  EXPECT_EQ(Parsed("1e3"), 1000);
  EXPECT_EQ(Parsed("1E+2"), 100);
  EXPECT_EQ(Parsed("25e-1"), 2.5L);
  EXPECT_EQ(Parsed("12345"), 12345);
  // Rounded once, to the extended format (not through a double).
  EXPECT_EQ(Parsed("0.1"), 0.1L);
  EXPECT_EQ(Parsed("0.001"), 0.001L);
  EXPECT_EQ(Parsed("-2.675e-3"), -2.675e-3L);
  EXPECT_EQ(Parsed("123456789012345678901234"), 123456789012345678901234.0L);
  EXPECT_EQ(Parsed("0,000000000000000000000000000000123", ','), 1.23e-31L);
}

TEST(SpinValueTextTest, RefusesWhatIsNotOneNumberAndLeavesTheValue) {
  EXPECT_TRUE(Refused(""));
  EXPECT_TRUE(Refused("   "));
  EXPECT_TRUE(Refused("-"));
  EXPECT_TRUE(Refused("+"));
  EXPECT_TRUE(Refused("."));
  EXPECT_TRUE(Refused("abc"));
  EXPECT_TRUE(Refused("12a"));
  EXPECT_TRUE(Refused("1-2"));
  EXPECT_TRUE(Refused("1 2"));
  EXPECT_TRUE(Refused("1e"));
  EXPECT_TRUE(Refused("1e+"));
  EXPECT_TRUE(Refused("--1"));
  EXPECT_TRUE(Refused("1.5.2"));
  // The other separator is not a separator.
  EXPECT_TRUE(Refused("1,5", '.'));
  EXPECT_TRUE(Refused("1.5", ','));
  // Beyond the extended range.
  EXPECT_TRUE(Refused("1e99999"));
}

TEST(SpinValueTextTest, FixedFormHasTheDecimalsAskedFor) {
  EXPECT_EQ(FormatFixed(180, 0, '.'), "180");
  EXPECT_EQ(FormatFixed(180, 2, '.'), "180.00");
  EXPECT_EQ(FormatFixed(180, 2, ','), "180,00");
  EXPECT_EQ(FormatFixed(0, 0, '.'), "0");
  EXPECT_EQ(FormatFixed(0, 3, '.'), "0.000");
  EXPECT_EQ(FormatFixed(9999, 0, '.'), "9999");
  EXPECT_EQ(FormatFixed(-42, 0, '.'), "-42");
  EXPECT_EQ(FormatFixed(0.125L, 2, '.'), "0.13");
  EXPECT_EQ(FormatFixed(1.5L, 0, '.'), "2");
  EXPECT_EQ(FormatFixed(999.96L, 1, '.'), "1000.0");
  EXPECT_EQ(FormatFixed(0.004L, 2, '.'), "0.00");
  // A value that rounds to zero shows no sign.
  EXPECT_EQ(FormatFixed(-0.4L, 0, '.'), "0");
  EXPECT_EQ(FormatFixed(123456789012345678.0L, 0, '.'), "123456789012345678");
}

TEST(SpinValueTextTest, FixedFormKeepsEighteenDigitsAndFallsBackToExponentForm) {
  EXPECT_EQ(FormatFixed(1.0L / 3, 20, '.'), "0.333333333333333333");
  EXPECT_EQ(FormatFixed(1.0L / 3, 255, '.'), "0.333333333333333333");
  EXPECT_EQ(FormatFixed(1e20L, 0, '.'), "1E20");
  EXPECT_EQ(FormatFixed(-2.5e21L, 3, ','), "-2,5E21");
  EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::quiet_NaN(), 0, '.'), "NAN");
  EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::infinity(), 0, '.'), "INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<long double>::infinity(), 0, '.'), "-INF");
}

TEST(SpinValueTextTest, GeneralFormIsShortestWithFifteenDigits) {
  EXPECT_EQ(FormatGeneral(1, '.'), "1");
  EXPECT_EQ(FormatGeneral(0, '.'), "0");
  EXPECT_EQ(FormatGeneral(0.5L, '.'), "0.5");
  EXPECT_EQ(FormatGeneral(-2.25L, ','), "-2,25");
  EXPECT_EQ(FormatGeneral(100, '.'), "100");
  EXPECT_EQ(FormatGeneral(1.0L / 3, '.'), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(123456789012345.0L, '.'), "123456789012345");
  EXPECT_EQ(FormatGeneral(1234567890123456.0L, '.'), "1.23456789012346E15");
  EXPECT_EQ(FormatGeneral(0.00001L, '.'), "0.00001");
  EXPECT_EQ(FormatGeneral(1.5e-7L, '.'), "1.5E-7");
  EXPECT_EQ(FormatGeneral(1e20L, '.'), "1E20");
}

TEST(SpinValueTextTest, FormattedTextReadsBack) {
  for (const long double value : {0.0L, 1.0L, 180.0L, 9999.0L, -3.75L, 0.001L}) {
    for (const char separator : {'.', ','}) {
      long double back = -1;
      ASSERT_TRUE(TryParse(FormatGeneral(value, separator), separator, back));
      EXPECT_EQ(back, value);
      ASSERT_TRUE(TryParse(FormatFixed(value, 3, separator), separator, back));
      EXPECT_EQ(back, std::nearbyint(value * 1000) / 1000);
    }
  }
}

TEST(SpinValueTextTest, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5L), 2);
  EXPECT_EQ(RoundHalfEven(3.5L), 4);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven(2.4999L), 2);
  EXPECT_EQ(RoundHalfEven(2.5001L), 3);
  EXPECT_EQ(RoundToInt32(12345.5L), 12346);
  EXPECT_EQ(RoundToInt32(180), 180);
  // Beyond the integer range the value saturates rather than wrapping.
  EXPECT_EQ(RoundToInt32(1e12L), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(RoundToInt32(-1e12L), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(RoundToInt32(std::numeric_limits<long double>::quiet_NaN()), 0);
}

}  // namespace
