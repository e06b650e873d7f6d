// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumericValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Case {
  const char* text;
  double value;
};

class NumericValueTable : public ::testing::TestWithParam<Case> {};

TEST_P(NumericValueTable, ReadsTheLeadingNumber) {
  const Case& c = GetParam();
  EXPECT_DOUBLE_EQ(rcon::numericValue(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    EveryBranch, NumericValueTable,
    ::testing::Values(
        // no leading number
        Case{"", 0}, Case{"abc", 0}, Case{"-", 0}, Case{"+", 0}, Case{".", 0}, Case{"-.", 0},
        Case{"e5", 0}, Case{"&", 0}, Case{"&H", 0}, Case{"&Hxyz", 0}, Case{"&O9", 0},
        // plain numbers, signs and the one decimal point
        Case{"20100", 20100}, Case{"007", 7}, Case{"+5", 5}, Case{"-5", -5}, Case{"1.9", 1.9},
        Case{".16", 0.16}, Case{"-.5", -0.5}, Case{"1.2.3", 1.2}, Case{"12a", 12},
        Case{"20100abc", 20100}, Case{"201x", 201},
        // blanks, tabs and line feeds vanish wherever they stand; carriage returns do not
        Case{" 1 2 ", 12}, Case{"\t-\n3", -3}, Case{"1\r2", 1}, Case{"1 . 5", 1.5},
        // exponents with E or D, either case, optional sign
        Case{"1e2", 100}, Case{"2.5e3", 2500}, Case{"1D2", 100}, Case{"1d-1", 0.1},
        Case{"1E+2", 100}, Case{"1e", 1}, Case{"1e+", 1}, Case{"3e2x", 300},
        // hexadecimal and octal, either case
        Case{"&HF", 15}, Case{"&hff", 255}, Case{"&O17", 15}, Case{"&o8", 0}, Case{"&H1G", 1},
        Case{" & H 1 0", 16},
        // far outside every integer range
        Case{"9e9", 9e9}, Case{"1e10", 1e10}));

TEST(NumericValue, RoundsToTheNearestDoubleWhateverTheDigits) {
  const std::string zeros(400, '0');
  // Below the smallest double: zero, never infinity; above the largest: infinity, never zero.
  const double tiny = rcon::numericValue("0." + zeros + "1");
  EXPECT_EQ(tiny, 0.0);
  EXPECT_FALSE(std::signbit(tiny));
  EXPECT_TRUE(std::isinf(rcon::numericValue("1" + zeros + "e-5")));
  EXPECT_TRUE(std::signbit(rcon::numericValue("-1" + zeros + "e-5")));
  EXPECT_GT(rcon::numericValue("0." + std::string(320, '0') + "1"), 0.0);
  EXPECT_DOUBLE_EQ(rcon::numericValue("0." + zeros + "1e400"), 0.1);
  EXPECT_DOUBLE_EQ(rcon::numericValue("1" + zeros + "e-400"), 1.0);
  EXPECT_TRUE(std::isinf(rcon::numericValue("9e999")));
  EXPECT_TRUE(std::isinf(rcon::numericValue("1e99999999999999999999999999")));
  EXPECT_EQ(rcon::numericValue("1e-999"), 0.0);
  EXPECT_EQ(rcon::numericValue("1e-99999999999999999999999999"), 0.0);
  EXPECT_EQ(rcon::numericValue("-1d-999"), 0.0);
  // 2^57 + 17 lies past the halfway point to 2^57 + 32; reading digit by digit in doubles
  // would round twice and land on 2^57.
  EXPECT_EQ(rcon::fieldValue("&H200000000000011"), 144115188075855904);
  EXPECT_EQ(rcon::fieldValue("&O10000000000000000021"), 144115188075855904);
  EXPECT_TRUE(std::isinf(rcon::numericValue("&H" + std::string(300, 'f'))));
}

TEST(WholePart, FloorsAndSaturates) {
  EXPECT_EQ(rcon::wholePart(1.9), 1);
  EXPECT_EQ(rcon::wholePart(-0.5), -1);
  EXPECT_EQ(rcon::wholePart(-0.0), 0);
  EXPECT_EQ(rcon::wholePart(std::nan("")), 0);
  EXPECT_EQ(rcon::wholePart(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(rcon::wholePart(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(rcon::fieldValue("9e9"), 9000000000);
  EXPECT_EQ(rcon::fieldValue("12.9"), 12);
}

}  // namespace
