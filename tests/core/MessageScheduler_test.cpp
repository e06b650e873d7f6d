// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageScheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Times = std::vector<std::uint64_t>;

// A timer on a virtual clock that records every interval it is given; sends are logged.
struct Harness final : rcon::Timer {
  void setInterval(std::uint32_t ms) override {
    intervals.push_back(ms);
    next = now + ms;
  }
  // Moves the clock to `until` ms, firing every tick that falls due on the way.
  void runUntil(std::uint64_t until) {
    while (intervals.back() != 0 && next <= until) {
      now = next;
      next += intervals.back();
      scheduler.tick();
    }
    now = until;
  }
  void start(std::int64_t seconds, const std::string& list) {
    scheduler.start({"", list, "", seconds, 1});  // file, list, interval typed, seconds, unit
  }
  std::string said() const {  // the messages after "rcon pw say ", joined by "|"
    std::string out;
    for (std::size_t i = 0; i < sent.size(); ++i) out += (i ? "|" : "") + sent[i].substr(12);
    return out;
  }
  Times intervals, at;
  std::uint64_t now = 0, next = 0;
  std::string password = "pw";
  std::vector<std::string> sent;
  int ticksDuringSend = 0;  // as a message box's event loop would deliver them
  rcon::MessageScheduler scheduler{*this, [this] { return password; },
                                   [this](const std::string& request) {
                                     sent.push_back(request);
                                     at.push_back(now);
                                     if (ticksDuringSend-- > 0) scheduler.tick();
                                   }};
};

// Interval in seconds, list, the first four messages, and every interval (in seconds) the timer
// is given until the fourth. Blank lines cost no interval: a message goes every interval.
using Row = std::tuple<std::int64_t, const char*, const char*, Times>;
class SchedulerTable : public ::testing::TestWithParam<Row> {};

TEST_P(SchedulerTable, SendsOneMessageEveryIntervalFromStart) {
  const auto& [seconds, list, said, intervals] = GetParam();
  Harness h;
  h.start(seconds, list);
  const std::uint64_t s = std::max<std::int64_t>(seconds, 1) * 1000;
  h.runUntil(4 * s);
  EXPECT_EQ(h.at, (Times{s, 2 * s, 3 * s, 4 * s}));
  EXPECT_EQ(h.said(), said);
  for (std::uint64_t& ms : h.intervals) ms /= 1000;
  EXPECT_EQ(h.intervals, intervals);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SchedulerTable,
    ::testing::Values(
        Row{1, "A\r\nB\r\nC\r\n", "A|B|C|A", {1}}, Row{65, "S\r\n", "S|S|S|S", {65}},
        Row{66, "\r\n\r\nA\r\n\r\n\r\nB\r\n\r\n", "A|B|A|B", {60, 6, 60, 6, 60, 6, 60, 6, 60}},
        Row{90, "A\r\nB", "A|B|A|B", {60, 30, 60, 30, 60, 30, 60, 30, 60}},
        // LF alone ends a message too; a CR without LF stays in its message.
        Row{120, "A\nB\n", "A|B|A|B", Times(9, 60)},
        Row{1, "\n\nA\n\r\n\nB\rC\r\r\n\n", "A|B\rC\r|A|B\rC\r", {1}}, Row{0, "", "|||", {1}},
        Row{-5, "A", "A|A|A|A", {1}}));

TEST(Scheduler, HoldsMessageByTheSameRule) {
  for (const char* list : {"", "\n", "\r\n\n\r\n"}) EXPECT_FALSE(rcon::holdsMessage(list)) << list;
  for (const char* list : {"A", "\n\nA\n", "\r", "\r\r\n"}) EXPECT_TRUE(rcon::holdsMessage(list));
}

TEST(Scheduler, StopThenStartBeginsAgainAndReadsThePasswordAtEverySend) {
  Harness h;
  h.start(2, "A\r\nB\r\nC\r\n");
  EXPECT_TRUE(h.scheduler.menus().stop && !h.scheduler.menus().start);
  h.runUntil(2500);
  h.scheduler.stop();
  EXPECT_TRUE(h.scheduler.menus().start && h.scheduler.menus().options);
  h.scheduler.tick();  // a tick already on its way when Stop came
  h.runUntil(10000);
  h.password = "p";
  h.start(2, "A\r\nB\r\nC\r\n");
  h.runUntil(14000);
  EXPECT_EQ(h.sent, (std::vector<std::string>{"rcon pw say A", "rcon p say A", "rcon p say B"}));
  EXPECT_EQ(h.at, (Times{2000, 12000, 14000}));
}

TEST(Scheduler, TicksDuringASendMoveOnToTheNextMessage) {
  Harness h;  // a refusal box runs an event loop: ticks falling due meanwhile count as sent
  h.ticksDuringSend = 1;
  h.start(1, "A\r\nB\r\nC\r\n");
  h.runUntil(2000);
  EXPECT_EQ(h.said(), "A|B|C");
  EXPECT_EQ(h.intervals, Times{1000});
}

TEST(Scheduler, HasNoSixteenBitLimits) {
  Harness h;
  std::string list;
  for (int i = 0; i < 20000; ++i) list += std::to_string(i) + "\r\n";  // about 130,000 bytes
  h.start(1, list);
  h.runUntil(20001 * 1000);
  EXPECT_EQ(h.sent.at(20000), "rcon pw say 0");  // after the whole list
  Harness longest;  // the longest interval counts its minutes without overflow
  longest.start(rcon::MessageScheduler::kMaxSeconds + 10, "A");
  longest.runUntil(3600 * 1000);
  EXPECT_TRUE(longest.sent.empty() && longest.intervals.back() == 60000);
}

}  // namespace
