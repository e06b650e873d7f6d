// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Completion.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(Completion, FindsTheWordBeforeTheCaret) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"", 0},         {"sta", 0},      {"kick ", 5}, {"set sv_ho", 4},
      {"say a;ki", 6}, {"say \"hi", 5}, {"a\tb", 2}};
  for (const auto& [text, start] : cases) EXPECT_EQ(rcon::wordStart(text), start) << text;
}

TEST(Completion, ReadsTheServersCommandAndVariableNames) {
  // As the server prints them, split anywhere and joined by the side channel.
  EXPECT_EQ(rcon::parseCommandList("status\nclientkick\r\nbanaddr\n\n3 commands\n"),
            (Words{"status", "clientkick", "banaddr"}));
  EXPECT_EQ(rcon::parseCommandList("Bad rconpassword.\n"), Words{});
  EXPECT_EQ(rcon::parseVariableList("S     A  sv_hostname \"noname\"\n"
                                    "        g_gametype \"0\"\n"
                                    "  U   L  name \"with \\\"quotes\\\"\"\n"
                                    "\n"
                                    "3 total cvars\n"
                                    "3 cvar indexes\n"),
            (Words{"sv_hostname", "g_gametype", "name"}));
  EXPECT_EQ(rcon::wordsOf({"kick 3", "say \"hi there\";status"}),
            (Words{"kick", "3", "say", "hi", "there", "status"}));
}

TEST(Completion, OffersTheDistinctLongerWordsInEitherCase) {
  const Words words{"status", "sv_hostname", "Status", "say", "st", "serverinfo", "STOP"};
  EXPECT_EQ(rcon::completionsOf("st", words), (Words{"status", "STOP"}));
  EXPECT_EQ(rcon::completionsOf("SV_", words), Words{"sv_hostname"});
  EXPECT_EQ(rcon::completionsOf("status", words), Words{});  // nothing to add
  EXPECT_EQ(rcon::completionsOf("x", words), Words{});
  EXPECT_EQ(rcon::completionsOf("", Words{"b", "a"}), (Words{"a", "b"}));
}

}  // namespace
