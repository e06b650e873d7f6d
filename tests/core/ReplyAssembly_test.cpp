// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ReplyHandler.h"

namespace {

const std::string kPrint("\xFF\xFF\xFF\xFFprint\n", 10);

struct Piece {
  std::string datagram;
  const char* sender = "a";
  std::int64_t atMs = 0;
};

std::string Show(const std::vector<Piece>& pieces) {
  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  for (const Piece& p : pieces) handler.onDatagram(p.datagram, p.sender, p.atMs, out);
  std::string console;
  for (const std::string& piece : out) console += piece;
  return console;
}

TEST(ReplyHandler, ShowsEachReplyAsTheConsoleExpects) {
  const std::int64_t late = rcon::ReplyHandler::kContinuationMs + 1;
  const std::pair<std::vector<Piece>, std::string> cases[] = {
      {{{kPrint}}, "\r\n"},                       // nothing after the header
      {{{"\xFF\xFF"}}, "\r\n"},                   // shorter than a header
      {{{kPrint + "0\n"}}, "0\r\n"},              // a short reply keeps its text
      {{{kPrint + "a\nb\nc\n"}}, "a\nb\nc\r\n"},  // inner line feeds stay bare
      {{{kPrint + "a\r\n"}}, "a\r\r\n"},          // only the final line feed is replaced
      // output split mid-line over three datagrams shows as one text
      {{{kPrint + "first\nsecond li"}, {kPrint + "ne goes o"}, {kPrint + "n\nlast\n"}},
       "first\nsecond line goes on\nlast\r\n"},
      // an open line ends before another sender's reply, or after a pause
      {{{kPrint + "open"}, {kPrint + "other\n", "b"}}, "open\r\nother\r\n"},
      {{{kPrint + "open"}, {kPrint + "late\n", "a", late}}, "open\r\nlate\r\n"},
      {{{kPrint + "open"}, {kPrint + "-on\n", "a", late - 1}}, "open-on\r\n"},
  };
  for (const auto& [pieces, console] : cases) EXPECT_EQ(Show(pieces), console);
}

TEST(ReplyHandler, RepliesBeyondSixteenBitsAreShownWhole) {
  EXPECT_EQ(Show({{kPrint + std::string(65000, 'x') + "\n"}}).size(), 65002u);
}

}  // namespace
