// Value rules of the spin edit: limits, formatting, the typing filter and which
// editor texts count as numbers.
#include <gtest/gtest.h>

#include "skin/controls/spin_edit_value.h"

using lq::SpinValueRules;

TEST(SpinValueRules, EqualLimitsMeanNoLimitOtherwiseClamped) {
  SpinValueRules r;
  EXPECT_EQ(r.Clamp(-12), -12);
  EXPECT_EQ(r.Clamp(1e9), 1e9);
  r.MinValue = 1;
  r.MaxValue = 60;
  EXPECT_EQ(r.Clamp(99), 60);
  EXPECT_EQ(r.Clamp(0), 1);
  EXPECT_EQ(r.Clamp(30), 30);
}

TEST(SpinValueRules, IntegerFormatRoundsHalfToEvenFloatKeepsDecimals) {
  SpinValueRules r;
  EXPECT_EQ(r.Format(2.5), "2");
  EXPECT_EQ(r.Format(3.5), "4");
  EXPECT_EQ(r.Format(-0.4), "0");
  EXPECT_EQ(r.Format(-3), "-3");
  r.ValueType = lq::SpinValueType::Float;
  r.Decimal = 2;
  EXPECT_EQ(r.Format(1.5), "1.50");
  r.DecimalSeparator = ',';
  EXPECT_EQ(r.Format(-0.125), "-0,12");
}

TEST(SpinValueRules, TypingFilter) {
  SpinValueRules r;
  EXPECT_TRUE(r.AcceptsKey('7', "12", true));
  EXPECT_FALSE(r.AcceptsKey('a', "12", true));
  EXPECT_TRUE(r.AcceptsKey('-', "", true));
  EXPECT_FALSE(r.AcceptsKey('-', "-", true));  // a second minus
  EXPECT_FALSE(r.AcceptsKey('.', "1", true));  // integer mode has no separator
  EXPECT_FALSE(r.AcceptsKey('\r', "1", true));
  EXPECT_TRUE(r.AcceptsKey(8, "1", true));  // backspace
  EXPECT_FALSE(r.AcceptsKey(U'五', "1", true));
  // A disabled editor takes neither printable keys nor backspace.
  EXPECT_FALSE(r.AcceptsKey('5', "1", false));
  EXPECT_FALSE(r.AcceptsKey(8, "1", false));
  r.ValueType = lq::SpinValueType::Float;
  EXPECT_TRUE(r.AcceptsKey('.', "1", true));
  EXPECT_FALSE(r.AcceptsKey('.', "1.5", true));
}

TEST(SpinValueRules, ParseAcceptsOnlyCompleteNumbers) {
  SpinValueRules r;
  EXPECT_FALSE(r.Parse(""));
  EXPECT_FALSE(r.Parse("-"));
  EXPECT_FALSE(r.Parse("1-"));
  EXPECT_FALSE(r.Parse("--1"));
  EXPECT_FALSE(r.Parse("12a"));
  EXPECT_FALSE(r.Parse("1.5"));
  EXPECT_EQ(r.Parse("-3"), -3);
  EXPECT_EQ(r.Parse("007"), 7);
  // Beyond what a value can hold exactly it is not a number (no overflow, no crash).
  EXPECT_FALSE(r.Parse("99999999999999999999999"));
  r.ValueType = lq::SpinValueType::Float;
  EXPECT_EQ(r.Parse("1.5"), 1.5);
  EXPECT_FALSE(r.Parse(".5"));
  EXPECT_FALSE(r.Parse("1.2.3"));
  EXPECT_FALSE(r.Parse("-."));
}
