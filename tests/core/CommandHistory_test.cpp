#include "core/CommandHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rcon::CommandHistory;

CommandHistory Sent(std::initializer_list<const char*> commands) {
  CommandHistory history;
  for (const char* command : commands) history.record(command);
  return history;
}

TEST(CommandHistory, UpAndDownBrowseLikeAShell) {
  CommandHistory history = Sent({"status", "map ctf1", "kick 3"});
  EXPECT_EQ(history.older("half typed"), "kick 3");
  EXPECT_EQ(history.older("kick 3"), "map ctf1");
  EXPECT_EQ(history.older("map ctf1"), "status");
  EXPECT_EQ(history.older("status"), std::nullopt);  // the oldest stays
  EXPECT_EQ(history.newer(), "map ctf1");
  EXPECT_EQ(history.newer(), "kick 3");
  EXPECT_EQ(history.newer(), "half typed");  // past the newest: the draft comes back
  EXPECT_FALSE(history.browsing());
  EXPECT_EQ(history.newer(), std::nullopt);
}

TEST(CommandHistory, EmptyHistoryGivesNothing) {
  CommandHistory history;
  EXPECT_EQ(history.older("typed"), std::nullopt);
  EXPECT_EQ(history.newer(), std::nullopt);
}

TEST(CommandHistory, SendingEndsBrowsingAndDropsTheDraft) {
  CommandHistory history = Sent({"a", "b"});
  ASSERT_EQ(history.older("draft"), "b");
  ASSERT_EQ(history.older("b"), "a");
  history.record("a");  // a recalled command sent again
  EXPECT_FALSE(history.browsing());
  EXPECT_EQ(history.older(""), "a");
  EXPECT_EQ(history.newer(), "");
}

TEST(CommandHistory, OnlyConsecutiveDuplicatesAreDropped) {
  CommandHistory history = Sent({"a", "a", "b", "a", " a", "a "});
  ASSERT_EQ(history.size(), 5u);
  EXPECT_EQ(history.entry(0), "a");
  EXPECT_EQ(history.entry(1), "b");
  EXPECT_EQ(history.entry(2), "a");
  EXPECT_EQ(history.entry(3), " a");  // blanks count: the command differs
}

TEST(CommandHistory, KeepsTheNewest500) {
  CommandHistory history;
  for (int i = 0; i < 503; ++i) history.record(std::to_string(i));
  ASSERT_EQ(history.size(), CommandHistory::kMaxEntries);
  EXPECT_EQ(history.entry(0), "3");
  EXPECT_EQ(history.entry(499), "502");
  std::optional<std::string> shown;
  for (std::size_t i = 0; i < CommandHistory::kMaxEntries; ++i) shown = history.older("");
  EXPECT_EQ(shown, "3");
  EXPECT_EQ(history.older(""), std::nullopt);
}

}  // namespace
