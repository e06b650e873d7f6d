#include "core/MessageScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A timer on a virtual clock: records every interval it is given and fires when the test
// moves the clock. Setting an interval restarts the count from "now".
class VirtualTimer final : public rcon::Timer {
 public:
  void setInterval(std::uint32_t ms) override {
    intervals.push_back(ms);
    interval = ms;
    nextFire = now + ms;
  }
  std::vector<std::uint32_t> intervals;
  std::uint64_t now = 0;
  std::uint64_t nextFire = 0;
  std::uint32_t interval = 0;
};

struct Sent {
  std::uint64_t at;
  std::string request;
  bool operator==(const Sent&) const = default;
};

struct Harness {
  VirtualTimer timer;
  std::string password = "pw";
  int passwordReads = 0;
  std::vector<Sent> sent;
  std::function<void()> duringSend;
  rcon::MessageScheduler scheduler{timer,
                                   [this] {
                                     ++passwordReads;
                                     return password;
                                   },
                                   [this](const std::string& request) {
                                     sent.push_back({timer.now, request});
                                     if (duringSend) duringSend();
                                   }};

  void start(std::int64_t seconds, std::string list) {
    rcon::MessagingSettings settings;
    settings.lngMsgSeconds = seconds;
    settings.strMsgText = std::move(list);
    scheduler.Start(settings);
  }
  // Moves the clock to `until` milliseconds, firing every tick that falls due on the way.
  void runUntil(std::uint64_t until) {
    while (timer.interval != 0 && timer.nextFire <= until) {
      timer.now = timer.nextFire;
      timer.nextFire += timer.interval;
      scheduler.Tick();
    }
    timer.now = until;
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const Sent& s : sent) out.push_back(s.request.substr(std::string("rcon pw say ").size()));
    return out;
  }
};

struct TimingCase {
  std::int64_t seconds;
  std::vector<std::uint32_t> intervalsForThreeMessages;
};

class SchedulerTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(SchedulerTiming, SendsEveryIntervalFromStart) {
  const TimingCase& c = GetParam();
  Harness h;
  h.start(c.seconds, "A\r\n");
  const std::uint64_t s = static_cast<std::uint64_t>(std::max<std::int64_t>(c.seconds, 1)) * 1000;
  h.runUntil(s - 1);
  EXPECT_TRUE(h.sent.empty()) << "nothing goes before one whole interval";
  h.runUntil(3 * s);
  const std::vector<Sent> expected{
      {s, "rcon pw say A"}, {2 * s, "rcon pw say A"}, {3 * s, "rcon pw say A"}};
  EXPECT_EQ(h.sent, expected);
  EXPECT_EQ(h.timer.intervals, c.intervalsForThreeMessages);
}

INSTANTIATE_TEST_SUITE_P(
    ShortAndLong, SchedulerTiming,
    ::testing::Values(TimingCase{1, {1000}}, TimingCase{65, {65000}},
                      TimingCase{66, {60000, 6000, 60000, 6000, 60000, 6000, 60000}},
                      TimingCase{90, {60000, 30000, 60000, 30000, 60000, 30000, 60000}},
                      TimingCase{120, {60000, 60000, 60000, 60000, 60000, 60000, 60000}},
                      // Below a second is a second.
                      TimingCase{0, {1000}}, TimingCase{-5, {1000}}));

struct ListCase {
  const char* name;
  std::string list;
  std::vector<std::string> firstSix;
};

class SchedulerLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(SchedulerLists, SendsOneMessagePerTickInOrder) {
  const ListCase& c = GetParam();
  Harness h;
  h.start(1, c.list);
  h.runUntil(6000);
  EXPECT_EQ(h.messages(), c.firstSix);
  // Skipped blank lines cost no interval: every tick sent something.
  for (std::size_t k = 0; k < h.sent.size(); ++k) EXPECT_EQ(h.sent[k].at, (k + 1) * 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SchedulerLists,
    ::testing::Values(
        ListCase{"AsSaved", "A\r\nB\r\nC\r\n", {"A", "B", "C", "A", "B", "C"}},
        ListCase{"BlankLines", "\r\n\r\nA\r\n\r\n\r\nB\r\n\r\n", {"A", "B", "A", "B", "A", "B"}},
        ListCase{"NoFinalBreak", "A\r\nB", {"A", "B", "A", "B", "A", "B"}},
        ListCase{"OneMessage", "Solo\r\n", {"Solo", "Solo", "Solo", "Solo", "Solo", "Solo"}},
        ListCase{"LineFeedsOnly",
                 "A\nB\n",
                 {"A\nB\n", "A\nB\n", "A\nB\n", "A\nB\n", "A\nB\n", "A\nB\n"}},
        ListCase{"Empty", "", {"", "", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Scheduler, StopThenStartBeginsAgainWithTheFirstMessage) {
  Harness h;
  EXPECT_EQ(h.scheduler.menus().stop, false);
  h.start(2, "A\r\nB\r\nC\r\n");
  EXPECT_TRUE(h.scheduler.running());
  EXPECT_FALSE(h.scheduler.menus().start);
  EXPECT_TRUE(h.scheduler.menus().stop);
  EXPECT_FALSE(h.scheduler.menus().options);
  h.runUntil(2500);
  h.scheduler.Stop();
  EXPECT_EQ(h.timer.intervals.back(), 0u);
  EXPECT_TRUE(h.scheduler.menus().start && h.scheduler.menus().options);
  EXPECT_FALSE(h.scheduler.menus().stop);
  h.scheduler.Tick();  // a tick already on its way when Stop came
  h.runUntil(10000);
  h.start(2, "A\r\nB\r\nC\r\n");
  h.runUntil(14000);
  const std::vector<Sent> expected{
      {2000, "rcon pw say A"}, {12000, "rcon pw say A"}, {14000, "rcon pw say B"}};
  EXPECT_EQ(h.sent, expected);
}

TEST(Scheduler, ReadsThePasswordAtEverySend) {
  Harness h;
  h.password = "";
  h.start(90, "A\r\nB\r\n");
  h.runUntil(90000);
  h.password = "new";
  h.runUntil(180000);
  ASSERT_EQ(h.sent.size(), 2u);
  EXPECT_EQ(h.sent[0].request, "rcon  say A");
  EXPECT_EQ(h.sent[1].request, "rcon new say B");
  EXPECT_EQ(h.passwordReads, 2);
}

TEST(Scheduler, TicksDuringASendMoveOnToTheNextMessage) {
  // A refusal box runs an event loop: ticks falling due meanwhile count as sent.
  Harness h;
  h.start(1, "A\r\nB\r\nC\r\n");
  h.duringSend = [&h] {
    h.duringSend = nullptr;
    h.scheduler.Tick();
  };
  h.runUntil(2000);
  EXPECT_EQ(h.messages(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(h.timer.intervals, (std::vector<std::uint32_t>{1000}));
}

TEST(Scheduler, HasNoSixteenBitLimits) {
  Harness h;
  std::string list;
  constexpr int kCount = 20000;  // about 130,000 characters
  for (int i = 0; i < kCount; ++i) list += "message " + std::to_string(i) + "\r\n";
  h.start(1, list);
  h.runUntil((kCount + 1) * 1000ull);
  ASSERT_EQ(h.sent.size(), static_cast<std::size_t>(kCount + 1));
  EXPECT_EQ(h.messages()[kCount - 1], "message " + std::to_string(kCount - 1));
  EXPECT_EQ(h.messages()[kCount], "message 0");

  // The longest interval counts its minutes without overflow.
  Harness longest;
  longest.start(rcon::MessageScheduler::kMaxSeconds + 10, "A");
  longest.runUntil(3600 * 1000);
  EXPECT_TRUE(longest.sent.empty());
  EXPECT_EQ(longest.timer.intervals.front(), 60000u);
}

}  // namespace
