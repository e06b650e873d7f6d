#include "core/CliReply.h"

#include <gtest/gtest.h>

namespace {

using rcon::ReplyExchange;
using Event = ReplyExchange::Event;
using State = ReplyExchange::State;

const std::string kServer = "127.0.0.1:20100";

std::string Print(const std::string& text) { return "\xFF\xFF\xFF\xFFprint\n" + text; }

// A piece too short for a header still counts and restarts the quiet period. The joined text
// is cut at the limit.
TEST(ReplyExchange, JoinsPiecesUntilQuietOrTheLimit) {
  ReplyExchange e(kServer, {.timeoutMs = 3000, .quietMs = 250}, false);
  EXPECT_EQ(e.handle(Event::Sent), 3000u);
  for (const std::string& d : {Print("a\nb"), std::string("\xFF\xFF"), Print("c\n")})
    EXPECT_EQ(e.handle(Event::Datagram, d, kServer), 250u);
  e.handle(Event::TimerDue);
  EXPECT_TRUE(e.state() == State::Done && e.replied() && !e.isStatus() && !e.cut());
  EXPECT_EQ(e.text(), "a\nbc\n");
  ReplyExchange h(kServer, {.maxBytes = 10}, false);
  h.handle(Event::Sent);
  for (const char* piece : {"123456", "78901"}) h.handle(Event::Datagram, Print(piece), kServer);
  EXPECT_TRUE(h.state() == State::Done && h.cut() && h.takeNotes().size() == 1);
  EXPECT_EQ(h.text(), "1234567890");
}

TEST(ReplyExchange, ForeignSendersAreIgnored) {
  ReplyExchange e(kServer, {}, false);
  e.handle(Event::Sent);
  for (int i = 0; i < 10; ++i) e.handle(Event::Datagram, Print("evil\n"), "127.0.0.1:666");
  EXPECT_TRUE(e.state() == State::Waiting && e.takeNotes().size() == 3);  // then only a count
  e.handle(Event::TimerDue);
  EXPECT_NE(e.takeNotes().at(0).find("10 datagrams"), std::string::npos);
  EXPECT_TRUE(e.state() == State::Done && !e.replied() && e.text().empty());
}

TEST(ReplyExchange, BadPassword) {
  EXPECT_TRUE(rcon::IsBadPassword("Bad rconpassword.\n") &&
              rcon::IsBadPassword("Bad rconpassword."));
  EXPECT_FALSE(rcon::IsBadPassword("Bad rconpassword.\nmore\n"));
}

}  // namespace
