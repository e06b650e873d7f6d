// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliArguments.h"

#include <gtest/gtest.h>

namespace {

using Number = std::pair<const char*, std::optional<std::int64_t>>;

// "kind host port", or "refused" when there is no target but a message.
std::string target(const char* text) {
  const rcon::CliTargetResult r = rcon::parseTarget(text);
  if (!r.target) return r.error.empty() ? "no message" : "refused";
  static const char* const kinds[] = {"v4", "v6", "name", "saved"};
  return std::string(kinds[static_cast<int>(r.target->kind)]) + ' ' + r.target->host + ' ' +
         std::to_string(r.target->port);
}

TEST(CliArguments, Targets) {
  const std::pair<const char*, const char*> good[] = {
      {"127.0.0.1", "v4 127.0.0.1 20100"},
      {"010.0.0.255:1", "v4 10.0.0.255 1"},
      {"1.2.3.4:65535", "v4 1.2.3.4 65535"},
      {"localhost", "name localhost 20100"},
      {"game-1.example.org:7", "name game-1.example.org 7"},
      {"[::1]:20101", "v6 ::1 20101"},
      {"[fe80::1]", "v6 fe80::1 20100"},
      {"@ctf-east", "saved ctf-east 20100"},
      {"@all", "saved all 20100"}};
  for (const auto& [text, expected] : good) EXPECT_EQ(target(text), expected) << text;
  // A text of digits and dots is an IPv4 address or nothing: a typo is never a host name.
  for (const char* bad : {"0.0.0.0",
                          "000.0.0.0:5",
                          "1.2.3.300",
                          "1.2.3",
                          "1.2.3.4.5",
                          "1.2..4",
                          "1.2.3.4.",
                          "1.2.3.0004",
                          "",
                          "1.2.3.4:",
                          "1.2.3.4:0",
                          "1.2.3.4:65536",
                          "1.2.3.4:80x",
                          "1.2.3.4:+80",
                          "::1",
                          "[::1",
                          "[::1]x",
                          "[]:5",
                          "[1.2.3.4]",
                          "-host",
                          "host-",
                          "a..b",
                          "under_score",
                          "@",
                          "host:99999999999999999999999"})
    EXPECT_EQ(target(bad), "refused") << bad;
  EXPECT_EQ(rcon::senderName("::1", 5), "[::1]:5");
  EXPECT_EQ(rcon::senderName("10.0.0.1", 5), "10.0.0.1:5");
}

TEST(CliArguments, Numbers) {
  const Number whole[] = {{"250", 250}, {"0", 0}, {"1001", {}}, {"", {}}, {"-1", {}}, {"1e3", {}}};
  for (const auto& [text, n] : whole) EXPECT_EQ(rcon::parseWholeNumber(text, -5, 1000), n) << text;
  const Number ms[] = {
      {"3", 3000}, {"0.25", 250}, {".5", 500},   {"2.", 2000}, {"1.23456", 1234},
      {"0", {}},   {".", {}},     {"1.2.3", {}}, {"101", {}},  {"99999999999999999999999", {}}};
  for (const auto& [text, n] : ms) EXPECT_EQ(rcon::parseSecondsAsMs(text, 1, 100000), n) << text;
}

TEST(CliArguments, PlansTheRun) {
  using Words = std::vector<std::string>;
  using rcon::CliMode;
  struct Flags {
    bool status = false, json = false, prometheus = false, messages = false, interval = false,
         terminal = false;
  };
  struct Case {
    Flags flags;
    Words words;
    std::optional<std::size_t> dashDash;
    std::optional<CliMode> mode;  // nullopt: a usage error
    Words targets, command;
  };
  const Flags none{}, status{.status = true}, terminal{.terminal = true}, json{.json = true};
  const Case cases[] = {
      {none, {"h", "say", "hi"}, {}, CliMode::Command, {"h"}, {"say", "hi"}},
      {none, {"h"}, {}, CliMode::Stdin, {"h"}, {}},
      {terminal, {"h"}, {}, CliMode::Shell, {"h"}, {}},
      {none, {"a", "b", "-x"}, 2, CliMode::Command, {"a", "b"}, {"-x"}},
      {status, {"a", "b"}, {}, CliMode::Status, {"a", "b"}, {}},
      {{.status = true, .prometheus = true}, {"a"}, {}, CliMode::Status, {"a"}, {}},
      {{.messages = true, .interval = true}, {"a"}, {}, CliMode::Messages, {"a"}, {}},
      {json, {"a", "x"}, {}, CliMode::Command, {"a"}, {"x"}},
      {none, {"h", "-x"}, {}, {}, {}, {}},  // an option after the server, without "--"
      {none, {"a", "x"}, 0, {}, {}, {}},
      {none, {}, {}, {}, {}, {}},
      {json, {"a"}, {}, {}, {}, {}},
      {{.prometheus = true}, {"a", "x"}, {}, {}, {}, {}},
      {{.status = true, .json = true, .prometheus = true}, {"a"}, {}, {}, {}, {}},
      {{.interval = true}, {"a", "x"}, {}, {}, {}, {}},
      {{.status = true, .messages = true}, {"a"}, {}, {}, {}, {}},
      {status, {"a", "x"}, 1, {}, {}, {}},
  };
  for (const Case& c : cases) {
    rcon::CliChoices choices;
    choices.status = c.flags.status;
    choices.json = c.flags.json;
    choices.prometheus = c.flags.prometheus;
    choices.messages = c.flags.messages;
    choices.interval = c.flags.interval;
    choices.inputIsTerminal = c.flags.terminal;
    choices.words = c.words;
    choices.dashDash = c.dashDash;
    const rcon::CliPlan plan = rcon::planRun(choices);
    EXPECT_EQ(plan.error.empty() ? std::optional(plan.mode) : std::nullopt, c.mode) << plan.error;
    if (c.mode) {
      EXPECT_TRUE(plan.targets == c.targets && plan.command == c.command);
    }
  }
}

TEST(CliArguments, SplitsACommandLineWithoutAShell) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(rcon::splitWords("pass show  game/ctf"), (Words{"pass", "show", "game/ctf"}));
  EXPECT_EQ(rcon::splitWords(R"(a 'b c' "d \"e\" \\" f\ g $HOME;x)"),
            (Words{"a", "b c", R"(d "e" \)", "f g", "$HOME;x"}));
  EXPECT_EQ(rcon::splitWords("''"), Words{""});
  EXPECT_FALSE(rcon::splitWords("a 'b") || rcon::splitWords("\"b"));
  EXPECT_EQ(rcon::passwordFromFile("pw\r\nsecond"), "pw");
}

}  // namespace
