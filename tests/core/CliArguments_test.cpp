#include "core/CliArguments.h"

#include <gtest/gtest.h>

namespace {

struct TargetCase {
  const char* text;
  const char* host;  // nullptr: refused
  std::uint16_t port;
};

class ParseTargetTable : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ParseTargetTable, FollowsTheWindowsRules) {
  const TargetCase& c = GetParam();
  const rcon::CliTargetResult result = rcon::ParseTarget(c.text);
  if (c.host == nullptr) {
    EXPECT_FALSE(result.target) << c.text;
    EXPECT_FALSE(result.error.empty());
    return;
  }
  ASSERT_TRUE(result.target) << c.text << ": " << result.error;
  EXPECT_EQ(result.target->host, c.host);
  EXPECT_EQ(result.target->port, c.port);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ParseTargetTable,
    ::testing::Values(TargetCase{"127.0.0.1", "127.0.0.1", 20100},
                      TargetCase{"192.168.0.7:27960", "192.168.0.7", 27960},
                      TargetCase{"010.0.0.255:1", "10.0.0.255", 1},
                      TargetCase{"1.2.3.4:65535", "1.2.3.4", 65535},
                      TargetCase{"0.0.0.0", nullptr, 0}, TargetCase{"000.0.0.0:5", nullptr, 0},
                      TargetCase{"1.2.3.300", nullptr, 0}, TargetCase{"1.2.3.256", nullptr, 0},
                      TargetCase{"1.2.3", nullptr, 0}, TargetCase{"1.2.3.4.5", nullptr, 0},
                      TargetCase{"1.2..4", nullptr, 0}, TargetCase{"1.2.3.4.", nullptr, 0},
                      TargetCase{"-1.2.3.4", nullptr, 0}, TargetCase{"1.2.3.4x", nullptr, 0},
                      TargetCase{"1.2.3.0004", nullptr, 0}, TargetCase{"localhost", nullptr, 0},
                      TargetCase{"", nullptr, 0}, TargetCase{"1.2.3.4:", nullptr, 0},
                      TargetCase{"1.2.3.4:0", nullptr, 0}, TargetCase{"1.2.3.4:65536", nullptr, 0},
                      TargetCase{"1.2.3.4:99999999999999999999999", nullptr, 0},
                      TargetCase{"1.2.3.4:80x", nullptr, 0},
                      TargetCase{"1.2.3.4:+80", nullptr, 0}));

TEST(CliArguments, Numbers) {
  EXPECT_EQ(rcon::ParseWholeNumber("250", 0, 1000), 250);
  EXPECT_EQ(rcon::ParseWholeNumber("0", 0, 1000), 0);
  EXPECT_EQ(rcon::ParseWholeNumber("1001", 0, 1000), std::nullopt);
  EXPECT_EQ(rcon::ParseWholeNumber("", 0, 1000), std::nullopt);
  EXPECT_EQ(rcon::ParseWholeNumber("-1", -5, 5), std::nullopt);
  EXPECT_EQ(rcon::ParseWholeNumber("1e3", 0, 5000), std::nullopt);
  EXPECT_EQ(rcon::ParseSecondsAsMs("3", 1, 100000), 3000);
  EXPECT_EQ(rcon::ParseSecondsAsMs("0.25", 1, 100000), 250);
  EXPECT_EQ(rcon::ParseSecondsAsMs(".5", 1, 100000), 500);
  EXPECT_EQ(rcon::ParseSecondsAsMs("2.", 1, 100000), 2000);
  EXPECT_EQ(rcon::ParseSecondsAsMs("1.23456", 1, 100000), 1234);
  EXPECT_EQ(rcon::ParseSecondsAsMs("0", 1, 100000), std::nullopt);
  EXPECT_EQ(rcon::ParseSecondsAsMs(".", 1, 100000), std::nullopt);
  EXPECT_EQ(rcon::ParseSecondsAsMs("1.2.3", 1, 100000), std::nullopt);
  EXPECT_EQ(rcon::ParseSecondsAsMs("101", 1, 100000), std::nullopt);
  EXPECT_EQ(rcon::ParseSecondsAsMs("99999999999999999999999", 1, 100000), std::nullopt);
}

TEST(CliArguments, PlansTheRun) {
  using rcon::CliMode;
  struct Case {
    rcon::CliChoices choices;
    CliMode mode;
    bool usable;
  };
  const Case cases[] = {
      {{.commandWords = 2}, CliMode::Command, true},
      {{}, CliMode::Stdin, true},
      {{.status = true}, CliMode::Status, true},
      {{.status = true, .json = true}, CliMode::Status, true},
      {{.messages = true}, CliMode::Messages, true},
      {{.messages = true, .interval = true}, CliMode::Messages, true},
      {{.json = true}, CliMode::Command, false},
      {{.interval = true, .commandWords = 1}, CliMode::Command, false},
      {{.status = true, .messages = true}, CliMode::Status, false},
      {{.status = true, .commandWords = 1}, CliMode::Status, false},
      {{.messages = true, .commandWords = 1}, CliMode::Messages, false},
      {{.commandWords = 1, .firstWordIsOption = true}, CliMode::Command, false},
  };
  for (const Case& c : cases) {
    const rcon::CliPlan plan = rcon::PlanRun(c.choices);
    EXPECT_EQ(plan.error.empty(), c.usable) << plan.error;
    if (c.usable) {
      EXPECT_EQ(plan.mode, c.mode);
    }
  }
}

TEST(CliArguments, PasswordFileKeepsTheFirstLine) {
  EXPECT_EQ(rcon::PasswordFromFile("secret\n"), "secret");
  EXPECT_EQ(rcon::PasswordFromFile("secret\r\nnext\n"), "secret");
  EXPECT_EQ(rcon::PasswordFromFile(" two words "), " two words ");
  EXPECT_EQ(rcon::PasswordFromFile(""), "");
}

}  // namespace
