// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SideChannel.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "fakes/FakeServices.h"

namespace {

using Outcome = rcon::SideAnswer::Outcome;

struct Channel {
  fakes::FakeSocket socket;
  fakes::FakeTimer timer;
  fakes::FakeClock clock;
  rcon::SideChannel channel{socket, timer, clock};
  std::vector<rcon::SideAnswer> answers;

  bool ask(std::string_view request, std::uint16_t port = 20100) {
    return channel.request("127.0.0.1", port, request,
                           [this](const rcon::SideAnswer& a) { answers.push_back(a); });
  }
  // The virtual clock moves on and the timer ticks when its interval has passed.
  void advance(std::int64_t ms) {
    clock.now += ms;
    timer.fire();
  }
};

TEST(SideChannel, JoinsASplitReplyAndAnswersOnceAfterTheQuietPeriod) {
  Channel c;
  ASSERT_TRUE(c.ask("rcon pw status"));
  ASSERT_EQ(c.socket.sent.size(), 1u);
  EXPECT_EQ(c.socket.sent[0].bytes, "\xFF\xFF\xFF\xFFrcon pw status");
  EXPECT_FALSE(c.ask("rcon pw status"));  // never a second while the first is unanswered
  EXPECT_EQ(c.socket.sent.size(), 1u);
  c.clock.now = 40;
  c.socket.reply("map: oa_dm1\nnum sc");
  c.socket.reply("ore\n", "127.0.0.1", 20999);  // a stranger is not part of the reply
  c.clock.now = 100;
  c.socket.reply("ping\n");
  EXPECT_EQ(c.timer.current, 250u);
  c.advance(200);
  EXPECT_TRUE(c.answers.empty());
  c.advance(60);
  ASSERT_EQ(c.answers.size(), 1u);
  EXPECT_EQ(c.answers[0].outcome, Outcome::Reply);
  EXPECT_EQ(c.answers[0].text, "map: oa_dm1\nnum scping\n");
  EXPECT_EQ(c.timer.current, 0u);
  EXPECT_FALSE(c.channel.busy());
  c.socket.reply("late\n");  // after the answer: dropped, no second answer
  c.advance(1000);
  EXPECT_EQ(c.answers.size(), 1u);
  EXPECT_TRUE(c.ask("rcon pw status"));
}

TEST(SideChannel, TimesOutSendFailuresAndStatusRequests) {
  Channel c;
  ASSERT_TRUE(c.ask("getstatus"));
  c.socket.reply("some earlier output\n");  // not a status reply: ignored
  c.socket.arrive({{"\xFF\xFF\xFF\xFFstatusResponse\n\\a\\b\n", "127.0.0.1", 20100}});
  ASSERT_EQ(c.answers.size(), 1u);
  EXPECT_EQ(c.answers[0].outcome, Outcome::Reply);
  EXPECT_EQ(c.answers[0].text.rfind("Response", 0), 0u);

  ASSERT_TRUE(c.ask("rcon pw status"));
  c.advance(2999);
  EXPECT_EQ(c.answers.size(), 1u);
  c.advance(1);
  ASSERT_EQ(c.answers.size(), 2u);
  EXPECT_EQ(c.answers[1].outcome, Outcome::Timeout);

  c.socket.result = {false, "unreachable"};
  ASSERT_TRUE(c.ask("rcon pw status"));
  ASSERT_EQ(c.answers.size(), 3u);
  EXPECT_EQ(c.answers[2].outcome, Outcome::SendFailed);
  EXPECT_EQ(c.answers[2].error, "unreachable");
  EXPECT_FALSE(c.channel.busy());
}

TEST(SideChannel, TheHandlerMaySendTheNextRequest) {
  Channel c;
  int asked = 0;
  std::function<void(const rcon::SideAnswer&)> again = [&](const rcon::SideAnswer&) {
    if (++asked < 3) c.channel.request("127.0.0.1", 20100, "getstatus", again);
  };
  c.channel.request("127.0.0.1", 20100, "getstatus", again);
  c.advance(3000);
  c.advance(3000);
  c.advance(3000);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(c.socket.sent.size(), 3u);
}

}  // namespace
