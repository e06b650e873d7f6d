// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlayerCommands.h"

#include <gtest/gtest.h>

namespace {

using rcon::PlayerAction;

TEST(PlayerCommands, TemplatesFilledOrRefusedForAMissingValue) {
  const rcon::PlayerRow human{3, 0, "50", "^1Al", "^710.0.0.5:27960"};
  const rcon::PlayerRow bot{4, 0, "0", "Sarge", "bot"};
  const rcon::PlayerRow fromStatusReply{std::nullopt, 0, "50", "Al", std::nullopt};
  struct Case {
    std::string_view pattern;
    const rcon::PlayerRow& player;
    std::optional<std::string> command;
  };
  const Case cases[] = {
      {"clientkick {slot}", human, "clientkick 3"},
      {"banaddr {ip}", human, "banaddr 10.0.0.5"},
      {"banaddr {ip}", bot, std::nullopt},
      {"clientkick {slot}", fromStatusReply, std::nullopt},
      {"tell {slot} {text}", human, "tell 3 \"hi there\""},
      {"kick {name} {odd} {", human, "kick \"^1Al\" {odd} {"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rcon::fillTemplate(c.pattern, c.player, "hi there"), c.command) << c.pattern;
  }
  const rcon::ServerOptions options{{"kick", "kick {slot}"}, {"ban", ""}};
  EXPECT_EQ(rcon::actionTemplate(PlayerAction::Kick, &options), "kick {slot}");
  EXPECT_EQ(rcon::actionTemplate(PlayerAction::Ban, &options), "banaddr {ip}");  // empty: default
  EXPECT_EQ(rcon::actionTemplate(PlayerAction::Tell, nullptr), "tell {slot} {text}");
}

TEST(PlayerCommands, TellTextThatWouldEndTheCommandIsRefused) {
  for (const std::string_view bad : {"a;quit", "a\nquit", "a\rb", "say \"x\"", ""}) {
    EXPECT_FALSE(rcon::tellTextProblem(bad).empty()) << bad;
  }
  EXPECT_TRUE(rcon::tellTextProblem("be nice, 'please' ^1now").empty());
}

}  // namespace
