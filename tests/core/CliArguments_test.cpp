#include "core/CliArguments.h"

#include <gtest/gtest.h>

namespace {

using Number = std::pair<const char*, std::optional<std::int64_t>>;

// "host:port", or "refused" when there is no target but a message.
std::string Target(const char* text) {
  const rcon::CliTargetResult r = rcon::ParseTarget(text);
  if (r.target) return r.target->host + ":" + std::to_string(r.target->port);
  return r.error.empty() ? "no message" : "refused";
}

TEST(CliArguments, TargetsFollowTheWindowsRules) {
  EXPECT_EQ(Target("127.0.0.1"), "127.0.0.1:20100");
  EXPECT_EQ(Target("010.0.0.255:1"), "10.0.0.255:1");
  EXPECT_EQ(Target("1.2.3.4:65535"), "1.2.3.4:65535");
  for (const char* bad :
       {"0.0.0.0", "000.0.0.0:5", "1.2.3.300", "1.2.3.256", "1.2.3", "1.2.3.4.5", "1.2..4",
        "1.2.3.4.", "-1.2.3.4", "1.2.3.4x", "1.2.3.0004", "localhost", "", "1.2.3.4:", "1.2.3.4:0",
        "1.2.3.4:65536", "1.2.3.4:99999999999999999999999", "1.2.3.4:80x", "1.2.3.4:+80"})
    EXPECT_EQ(Target(bad), "refused") << bad;
}

TEST(CliArguments, Numbers) {
  const Number whole[] = {{"250", 250}, {"0", 0}, {"1001", {}}, {"", {}}, {"-1", {}}, {"1e3", {}}};
  for (const auto& [text, n] : whole) EXPECT_EQ(rcon::ParseWholeNumber(text, -5, 1000), n) << text;
  const Number ms[] = {
      {"3", 3000}, {"0.25", 250}, {".5", 500},   {"2.", 2000}, {"1.23456", 1234},
      {"0", {}},   {".", {}},     {"1.2.3", {}}, {"101", {}},  {"99999999999999999999999", {}}};
  for (const auto& [text, n] : ms) EXPECT_EQ(rcon::ParseSecondsAsMs(text, 1, 100000), n) << text;
}

TEST(CliArguments, PlansTheRun) {
  // nullopt: a usage error.
  const std::pair<rcon::CliChoices, std::optional<rcon::CliMode>> cases[] = {
      {{.commandWords = 2}, rcon::CliMode::Command},
      {{}, rcon::CliMode::Stdin},
      {{.status = true, .json = true}, rcon::CliMode::Status},
      {{.messages = true, .interval = true}, rcon::CliMode::Messages},
      {{.json = true}, {}},
      {{.interval = true, .commandWords = 1}, {}},
      {{.status = true, .messages = true}, {}},
      {{.status = true, .commandWords = 1}, {}},
      {{.messages = true, .commandWords = 1}, {}},
      {{.commandWords = 1, .firstWordIsOption = true}, {}}};
  for (const auto& [choices, mode] : cases) {
    const rcon::CliPlan plan = rcon::PlanRun(choices);
    EXPECT_EQ(plan.error.empty() ? std::optional(plan.mode) : std::nullopt, mode) << plan.error;
  }
}

}  // namespace
