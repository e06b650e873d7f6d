// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CommandHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Shown = std::vector<std::optional<std::string>>;  // braces evaluate left to right

rcon::CommandHistory Sent(std::initializer_list<const char*> commands) {
  rcon::CommandHistory history;
  for (const char* command : commands) history.record(command);
  return history;
}

TEST(CommandHistory, UpAndDownBrowseLikeAShell) {
  rcon::CommandHistory h = Sent({"status", "map ctf1", "kick 3"});
  EXPECT_EQ((Shown{h.older("draft"), h.older("kick 3"), h.older("map ctf1"), h.older("status")}),
            (Shown{"kick 3", "map ctf1", "status", std::nullopt}));  // the oldest stays
  EXPECT_EQ((Shown{h.newer(), h.newer(), h.newer(), h.newer()}),
            (Shown{"map ctf1", "kick 3", "draft", std::nullopt}));  // past the newest: the draft
  EXPECT_EQ(rcon::CommandHistory().older("typed"), std::nullopt);
}

TEST(CommandHistory, SendingEndsBrowsingAndDropsTheDraft) {
  rcon::CommandHistory h = Sent({"a", "b"});
  EXPECT_EQ((Shown{h.older("draft"), h.older("b")}), (Shown{"b", "a"}));
  h.record("a");  // a recalled command sent again
  EXPECT_EQ((Shown{h.older(""), h.newer()}), (Shown{"a", ""}));
}

TEST(CommandHistory, DropsOnlyRepeatsOfTheNewestAndKeeps500) {
  rcon::CommandHistory h = Sent({"a", "a", "b", "a", " a", "a "});
  EXPECT_EQ((Shown{h.older(""), h.older(""), h.older(""), h.older(""), h.older(""), h.older("")}),
            (Shown{"a ", " a", "a", "b", "a", std::nullopt}));  // blanks count
  rcon::CommandHistory full;
  for (int i = 0; i < 503; ++i) full.record(std::to_string(i));
  EXPECT_EQ(full.older(""), "502");
  for (int i = 0; i < 498; ++i) full.older("");
  EXPECT_EQ((Shown{full.older(""), full.older("")}), (Shown{"3", std::nullopt}));
}

}  // namespace
