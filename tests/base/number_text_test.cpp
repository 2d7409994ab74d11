#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tarvik {
namespace {

TEST(FormatFixedTest, MatchesPrintfFormsInTheCLocale) {
  EXPECT_EQ(FormatFixed(633.7115, 2, 7), " 633.71");
  EXPECT_EQ(FormatFixed(0.97, 2, 7), "   0.97");
  EXPECT_EQ(FormatFixed(12345678.9, 2, 7), "12345678.90");  // wider than the field: no cut
  EXPECT_EQ(FormatFixed(244.11, 1), "244.1");
  EXPECT_EQ(FormatFixed(2.675, 2), "2.67");  // the double below 2.675 rounds down, as printf
  EXPECT_EQ(FormatFixed(0.125, 2), "0.12");  // an exact tie rounds to even, as glibc's printf
  EXPECT_EQ(FormatFixed(-0.001, 2), "-0.00");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2, 7), "    inf");
  EXPECT_EQ(FormatFixed(std::nan(""), 2), "nan");
  const std::string largest = FormatFixed(-std::numeric_limits<double>::max(), 2, 7);
  EXPECT_EQ(largest.size(), 313u);  // sign, 309 digits, point, 2 decimals
}

TEST(ParseDecimalTest, ReadsTheLongestNumberPrefix) {
  EXPECT_DOUBLE_EQ(ParseDecimal("15.0"), 15.0);
  EXPECT_DOUBLE_EQ(ParseDecimal(" 633.71"), 633.71);
  EXPECT_DOUBLE_EQ(ParseDecimal("\t -12.5xyz"), -12.5);
  EXPECT_DOUBLE_EQ(ParseDecimal("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(ParseDecimal("5."), 5.0);
  EXPECT_DOUBLE_EQ(ParseDecimal("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(ParseDecimal("2.5E-2kg"), 0.025);
  EXPECT_DOUBLE_EQ(ParseDecimal("7e"), 7.0);  // an exponent needs digits
  EXPECT_DOUBLE_EQ(ParseDecimal("7e+x"), 7.0);
  EXPECT_DOUBLE_EQ(ParseDecimal("12,5"), 12.0);  // a comma is not a decimal point
}

TEST(ParseDecimalTest, TextWithoutANumberGivesZero) {
  for (const char* text : {"", "   ", "abc", "-", ".", "inf", "nan", "0x10"}) {
    EXPECT_EQ(ParseDecimal(text), 0.0) << text;
  }
}

TEST(ParseDecimalTest, OutOfRangeMagnitudesSaturateLikeStrtod) {
  EXPECT_EQ(ParseDecimal("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseDecimal("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseDecimal(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
  EXPECT_EQ(ParseDecimal("0.000e999999"), 0.0);
  EXPECT_EQ(ParseDecimal("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ParseIntegerTest, ReadsSignedDigitsAndClamps) {
  EXPECT_EQ(ParseInteger("100"), 100);
  EXPECT_EQ(ParseInteger("  -42abc"), -42);
  EXPECT_EQ(ParseInteger("12.9"), 12);
  EXPECT_EQ(ParseInteger("x"), 0);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("2147483648"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseInteger("-99999999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace tarvik
