#include "core/MessagingOptions.h"

#include <gtest/gtest.h>

namespace {

struct AcceptCase {
  const char* typed;
  std::int64_t unit;
  const char* stored;
  std::int64_t seconds;
};

class AcceptIntervalTable : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(AcceptIntervalTable, StoresAPositiveInterval) {
  const AcceptCase& c = GetParam();
  const rcon::AcceptedInterval accepted = rcon::AcceptInterval(c.typed, c.unit);
  EXPECT_EQ(accepted.text, c.stored) << '"' << c.typed << '"';
  EXPECT_EQ(accepted.seconds, c.seconds) << '"' << c.typed << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AcceptIntervalTable,
    ::testing::Values(AcceptCase{"", 1, "1", 1}, AcceptCase{"abc", 1, "1", 1},
                      AcceptCase{"0", 60, "1", 60}, AcceptCase{"-5", 1, "5", 5},
                      AcceptCase{"3", 60, "3", 180}, AcceptCase{"0.5", 1, "1", 1},
                      AcceptCase{"-3.5", 1, "4", 4},
                      // a fraction left in the box is kept as typed, its whole part counts
                      AcceptCase{"2.5", 60, "2.5", 120},
                      // beyond the 32-bit range the seconds stop at its end
                      AcceptCase{"40000000", 60, "40000000", 2147483647},
                      AcceptCase{"9e99", 1, "9e99", 2147483647},
                      AcceptCase{"-9e99", 1, "9223372036854775807", 2147483647}));

TEST(TidyInterval, LeavesTheWholePart) {
  EXPECT_EQ(rcon::TidyInterval("2.9"), "2");
  EXPECT_EQ(rcon::TidyInterval("-3.5"), "-4");
  EXPECT_EQ(rcon::TidyInterval(" 1 2 "), "12");
  EXPECT_EQ(rcon::TidyInterval("x"), "0");
}

}  // namespace
