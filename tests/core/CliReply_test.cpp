// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliReply.h"

#include <gtest/gtest.h>

#include "core/CliFleet.h"

namespace {

using rcon::ReplyExchange;
using Ending = ReplyExchange::Ending;

const std::string kServer = "127.0.0.1:20100";
const std::string kMarker = "vortane-rcon-end-1f";

std::string print(const std::string& text) { return "\xFF\xFF\xFF\xFFprint\n" + text; }
const std::string kStatus = "\xFF\xFF\xFF\xFFstatusResponse\n\\a\\1\n";

// A datagram from kServer at a time; at == -1 lets the timer run out instead.
struct Step {
  std::int64_t at;
  std::string datagram;
};

struct Outcome {
  Ending ending;
  std::string text;
  std::int64_t endMs;
};

Outcome run(ReplyExchange e, const std::vector<Step>& steps) {
  e.sent(0);
  for (const Step& step : steps) {
    // The timer fires on time for whatever falls due before the next datagram.
    while (e.dueAtMs() && *e.dueAtMs() <= step.at) e.timerDue(*e.dueAtMs());
    e.datagram(step.datagram, kServer, step.at);
  }
  while (e.dueAtMs()) e.timerDue(*e.dueAtMs());
  return {e.ending(), e.text(), e.elapsedMs()};
}

TEST(ReplyExchange, EndsAsEachRuleSays) {
  const rcon::ExchangeLimits limits{.timeoutMs = 3000, .quietMs = 250, .deadlineMs = 1000};
  const ReplyExchange plain(kServer, limits, false);
  const ReplyExchange marked(kServer, limits, false, kMarker);
  const ReplyExchange status(kServer, limits, true);
  std::vector<Step> trickle;
  for (int t = 0; t < 2000; t += 100) trickle.push_back({t, print(".")});
  std::vector<Step> empties{{0, print("a\n")}};
  for (int t = 100; t < 2000; t += 100) empties.push_back({t, print("")});
  const std::tuple<const char*, ReplyExchange, std::vector<Step>, Outcome> cases[] = {
      {"split reply, quiet rule",
       plain,
       {{5, print("a\nb")}, {9, print("c\n")}},
       {Ending::Quiet, "a\nbc\n", 259}},
      {"nothing", plain, {}, {Ending::Timeout, "", 1000}},  // the deadline is shorter
      {"trickle bounded", plain, trickle, {Ending::Deadline, std::string(10, '.'), 1000}},
      {"empty pieces do not hold it open", plain, empties, {Ending::Quiet, "a\n", 250}},
      // The marker ends the reply after the grace; a piece reordered past it still counts.
      {"marker",
       marked,
       {{5, print("a\nb")}, {6, print(kMarker + "\n")}, {20, print("c\n")}, {40, print("late\n")}},
       {Ending::Marker, "a\nbc\n", 26}},
      {"marker after the text",
       marked,
       {{5, print("x\n" + kMarker + "\n")}},
       {Ending::Marker, "x\n", 25}},
      {"marker alone", marked, {{5, print(kMarker + "\n")}}, {Ending::Marker, "", 25}},
      {"no echo: quiet rule", marked, {{5, print("x\n")}}, {Ending::Quiet, "x\n", 255}},
      {"marker text inside a line is text",
       marked,
       {{5, print("say " + kMarker + "\n")}},
       {Ending::Quiet, "say " + kMarker + "\n", 255}},
      // A status request takes the status reply, not the late output of a command before it.
      {"status ignores a late command reply",
       status,
       {{5, print("late\n")}, {7, kStatus}},
       {Ending::Status, "Response\n\\a\\1\n", 7}},
  };
  for (const auto& [name, exchange, steps, expected] : cases) {
    const Outcome got = run(exchange, steps);
    EXPECT_EQ(got.ending, expected.ending) << name;
    EXPECT_EQ(got.text, expected.text) << name;
    EXPECT_EQ(got.endMs, expected.endMs) << name;
  }
}

TEST(ReplyExchange, CutAtTheLimitAndStrangersCounted) {
  ReplyExchange cut(kServer, {.maxBytes = 10}, false);
  cut.sent(0);
  for (const char* piece : {"123456", "78901"}) cut.datagram(print(piece), kServer, 1);
  EXPECT_TRUE(cut.done() && cut.ending() == Ending::Cut && cut.takeNotes().size() == 1);
  EXPECT_EQ(cut.text(), "1234567890");

  rcon::FleetExchange fleet;
  fleet.add(ReplyExchange(kServer, {}, false));
  fleet.sent(0, 0);
  for (int i = 0; i < 10; ++i) fleet.datagram(print("evil\n"), "127.0.0.1:666", 1);
  EXPECT_EQ(fleet.takeNotes().size(), 3u);  // then only a count, at the end
  fleet.timerDue(3000);
  const std::vector<std::string> last = fleet.takeNotes();
  EXPECT_TRUE(last.size() == 1 && last[0].find("10 datagrams") != std::string::npos);
  EXPECT_TRUE(fleet.done() && !fleet.at(0).replied());
}

// Three servers, one silent: the fleet is done when the silent one's timeout passes, once.
TEST(FleetExchange, ASilentServerCostsItsTimeoutOnce) {
  rcon::FleetExchange fleet;
  const rcon::ExchangeLimits limits{.timeoutMs = 3000, .quietMs = 250};
  for (const char* server : {"a:1", "b:1", "c:1"}) {
    fleet.add(ReplyExchange(server, limits, false, kMarker));
  }
  for (std::size_t i = 0; i < 3; ++i) fleet.sent(i, 0);
  fleet.datagram(print("A\n" + kMarker + "\n"), "a:1", 4);
  fleet.datagram(print("Bad rconpassword.\n"), "c:1", 5);
  while (const auto due = fleet.dueAtMs()) fleet.timerDue(*due);
  EXPECT_EQ(rcon::exitFor(fleet.at(0)), rcon::CliExit::Reply);
  EXPECT_EQ(fleet.at(0).elapsedMs(), 24);
  EXPECT_EQ(rcon::exitFor(fleet.at(1)), rcon::CliExit::NoReply);
  EXPECT_EQ(fleet.at(1).elapsedMs(), 3000);
  EXPECT_EQ(rcon::exitFor(fleet.at(2)), rcon::CliExit::BadPassword);
  EXPECT_TRUE(fleet.at(2).markerMissed());
}

}  // namespace
