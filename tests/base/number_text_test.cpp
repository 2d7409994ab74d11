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
  // Sign, 309 digits, point and 2 decimals.
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::max(), 2, 7).size(), 313u);
}

TEST(ParseDecimalTest, ReadsTheLongestNumberPrefixOrZeroAndSaturatesLikeStrtod) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double value;
  };
  // An exponent needs digits, a comma is no decimal point, and "inf", "nan" and hex are no number.
  for (const Case& c : {Case{"15.0", 15.0},   {" 633.71", 633.71}, {"\t -12.5xyz", -12.5},
                        {"+.5", 0.5},         {"5.", 5.0},         {"1e3", 1000.0},
                        {"2.5E-2kg", 0.025},  {"7e", 7.0},         {"7e+x", 7.0},
                        {"12,5", 12.0},       {"", 0.0},           {"   ", 0.0},
                        {"abc", 0.0},         {"-", 0.0},          {".", 0.0},
                        {"inf", 0.0},         {"nan", 0.0},        {"0x10", 0.0},
                        {"1e400", kInf},      {"-1e400", -kInf},   {"1e-400", 0.0},
                        {"0.000e999999", 0.0}}) {
    EXPECT_DOUBLE_EQ(ParseDecimal(c.text), c.value) << c.text;
  }
  EXPECT_EQ(ParseDecimal(std::string(400, '9')), kInf);
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
