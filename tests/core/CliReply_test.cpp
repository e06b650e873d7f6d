#include "core/CliReply.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rcon::ReplyExchange;
using Event = ReplyExchange::Event;
using State = ReplyExchange::State;

const std::string kServer = "127.0.0.1:20100";

std::string Print(const std::string& text) { return std::string("\xFF\xFF\xFF\xFFprint\n") + text; }

TEST(ReplyExchange, JoinsPiecesUntilQuiet) {
  ReplyExchange exchange(kServer, {.timeoutMs = 3000, .quietMs = 250}, false);
  EXPECT_EQ(exchange.handle(Event::Sent), 3000u);
  EXPECT_EQ(exchange.state(), State::Waiting);
  EXPECT_EQ(exchange.handle(Event::Datagram, Print("map: ctf1\nplay"), kServer), 250u);
  EXPECT_EQ(exchange.handle(Event::Datagram, Print("ers: 12\nti"), kServer), 250u);
  EXPECT_EQ(exchange.handle(Event::Datagram, Print("me: 3:00\n"), kServer), 250u);
  EXPECT_EQ(exchange.state(), State::Receiving);
  exchange.handle(Event::TimerDue);
  EXPECT_EQ(exchange.state(), State::Done);
  EXPECT_TRUE(exchange.replied());
  EXPECT_EQ(exchange.text(), "map: ctf1\nplayers: 12\ntime: 3:00\n");
  EXPECT_FALSE(exchange.isStatus());
}

TEST(ReplyExchange, NoReplyWithinTheTimeout) {
  ReplyExchange exchange(kServer, {}, false);
  exchange.handle(Event::Sent);
  exchange.handle(Event::TimerDue);
  EXPECT_EQ(exchange.state(), State::Done);
  EXPECT_FALSE(exchange.replied());
  EXPECT_EQ(exchange.handle(Event::Datagram, Print("late\n"), kServer), std::nullopt);
  EXPECT_EQ(exchange.text(), "");
}

TEST(ReplyExchange, EmptyAndShortDatagramsStillCountAsReplies) {
  for (const std::string& datagram : {Print(""), std::string("\xFF\xFF"), std::string()}) {
    ReplyExchange exchange(kServer, {}, false);
    exchange.handle(Event::Sent);
    exchange.handle(Event::Datagram, datagram, kServer);
    exchange.handle(Event::TimerDue);
    EXPECT_TRUE(exchange.replied());
    EXPECT_EQ(exchange.text(), "");
  }
}

TEST(ReplyExchange, ForeignSendersAreIgnoredAndNoted) {
  ReplyExchange exchange(kServer, {}, false);
  exchange.handle(Event::Sent);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(exchange.handle(Event::Datagram, Print("evil\n"), "127.0.0.1:666"), std::nullopt);
  }
  EXPECT_EQ(exchange.state(), State::Waiting);
  EXPECT_EQ(exchange.takeNotes().size(), 3u);
  exchange.handle(Event::TimerDue);
  const std::vector<std::string> notes = exchange.takeNotes();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("10 datagrams"), std::string::npos);
  EXPECT_FALSE(exchange.replied());
}

TEST(ReplyExchange, StatusReplyCompletesAtOnce) {
  ReplyExchange exchange(kServer, {}, true);
  exchange.handle(Event::Sent);
  EXPECT_EQ(exchange.handle(Event::Datagram, Print("late output\n"), kServer), std::nullopt);
  EXPECT_EQ(exchange.state(), State::Waiting);
  EXPECT_EQ(exchange.takeNotes().size(), 1u);
  const std::string status = "\xFF\xFF\xFF\xFFstatusResponse\n\\mode\\ctf\n";
  EXPECT_EQ(exchange.handle(Event::Datagram, status, kServer), std::nullopt);
  EXPECT_EQ(exchange.state(), State::Done);
  EXPECT_TRUE(exchange.isStatus());
  EXPECT_EQ(exchange.text(), "Response\n\\mode\\ctf\n");
}

TEST(ReplyExchange, HugeRepliesAreCut) {
  ReplyExchange exchange(kServer, {.maxBytes = 10}, false);
  exchange.handle(Event::Sent);
  exchange.handle(Event::Datagram, Print("123456"), kServer);
  exchange.handle(Event::Datagram, Print("789abc"), kServer);
  EXPECT_EQ(exchange.state(), State::Done);
  EXPECT_TRUE(exchange.cut());
  EXPECT_EQ(exchange.text(), "123456789a");
  EXPECT_EQ(exchange.takeNotes().size(), 1u);
}

TEST(ReplyExchange, BadPassword) {
  EXPECT_TRUE(rcon::IsBadPassword("Bad rconpassword.\n"));
  EXPECT_TRUE(rcon::IsBadPassword("Bad rconpassword."));
  EXPECT_FALSE(rcon::IsBadPassword("Bad rconpassword.\nmore\n"));
  EXPECT_FALSE(rcon::IsBadPassword("bad rconpassword.\n"));
}

}  // namespace
