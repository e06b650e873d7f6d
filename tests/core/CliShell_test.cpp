// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliShell.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(CliShell, HistoryKeepsTheWindowsDuplicateRuleAndItsLimit) {
  rcon::ShellHistory history;
  history.load("status\nstatus\r\nmap ctf1\n\nstatus\nlast");
  EXPECT_EQ(history.fileBytes(), "status\nmap ctf1\nstatus\nlast\n");
  EXPECT_FALSE(history.record("last"));
  EXPECT_TRUE(history.record("status"));
  for (int i = 0; i < 1500; ++i) history.record(std::to_string(i));
  EXPECT_EQ(history.entries().size(), rcon::ShellHistory::kMaxEntries);
  EXPECT_EQ(history.entries().front(), "500");
}

TEST(CliShell, NamesFromTheServersListsAndCompletion) {
  const Names commands = rcon::namesFromList("status\nmap\nkick\n3 commands\n");
  EXPECT_EQ(commands, (Names{"kick", "map", "status"}));
  const Names cvars = rcon::namesFromList(
      "S     A  sv_hostname \"Friday Night\"\n   R     g_gravity \"800\"\n"
      "       map \"x y\"\n3 total cvars\n3 cvar indexes\n");
  EXPECT_EQ(cvars, (Names{"g_gravity", "map", "sv_hostname"}));
  EXPECT_EQ(rcon::completionsFor(cvars, "S"), Names{"sv_hostname"});
  EXPECT_EQ(rcon::completionsFor(commands, ""), commands);
  EXPECT_TRUE(rcon::completionsFor(commands, "x").empty());
}

}  // namespace
