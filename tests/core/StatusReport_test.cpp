// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StatusReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;
const std::string kHead =
    "                Cvar  Value\r\n--------------------  --------------------\r\n";
const std::string kList = "\r\n   Player List\r\n   ------ ----\r\n";
const std::string kColumns =
    "Score Ping    Team    Players\r\n----- ----- --------- --------------------\r\n";
const std::string H = kHead, P = kList + kColumns, A1 = "                   a  1\r\n";

// The console text for a reply whose settings and players are body.
std::string Report(const std::string& body) {
  std::string text;
  for (const std::string& piece : rcon::formatStatusResponse("Response\n\\" + body)) text += piece;
  return text;
}

TEST(StatusReport, WorkedExample) {
  const std::string reply =
      "Response\n\\hostname\\Friday Night\\mode\\ctf\\maxplayers\\16\n"
      "5 50 1 \"Alpha\"\n0 999 3 \"Bravo Two\"\n12 48 0 \"C\"\n";
  EXPECT_EQ(
      rcon::formatStatusResponse(reply),
      (Pieces{kHead, "            hostname  Friday Night\r\n", "                mode  ctf\r\n",
              "          maxplayers  16\r\n", kList, kColumns, " 5     50   Red       Alpha\r\n",
              " 0     999  Spectator Bravo Two\r\n", " 12    48   0 C\r\n", "\r\n"}));
}

TEST(StatusReport, RepliesWellFormedOrNot) {
  const std::string p5 = " 5     50   Red       A\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"a\\1\n", H + A1 + P + "\r\n"},  // no players
      {"abcdefghijklmnopqrstuvwxyz\\1\n", H + "abcdefghijklmnopqrst  1\r\n" + P + "\r\n"},
      {"a\\1\n1234 1000 2 \"X\"\n", H + A1 + P + " 123   100  Blue      X\r\n\r\n"},
      {"a\\1\n1 2 77 \"A B  C \"\n", H + A1 + P + " 1     2    77 A B  C \r\n\r\n"},
      {"5 50 1 \"A\"\n", H + P + p5 + "\r\n"},  // no backslash after the header
      {"a\\1\\b\\\n5 50 1 \"A\"\n", H + A1 + "                   b  \r\n" + P + p5 + "\r\n"},
      {"a\\1\\h\\Friday Night\n5 50 1 \"A\"\n",
       H + A1 + "                   h  Friday Night\r\n" + P + p5 + "\r\n"},
      {"a\\16x\n", H + "                   a  16x\r\n" + P + "\r\n"},
      {"a\\1\n3 40 \"Solo Name\"\n", H + A1 + P + " 3     40             Solo Name\r\n\r\n"},
      {"a\\1\n5 50 1 \"x\\y\"\n", H + A1 + P + " 5     50   Red       x\\y\r\n\r\n"},
      // Outside the layout: the report ends there, but always with its closing line.
      {"a\\1\\", H + A1 + "\r\n"},
      {"a\\1", H + A1 + "\r\n"},
      {"a\\1\n5 50 1 \"A\"\n6 60 2 \"B\"", H + A1 + P + p5 + "\r\n"},
      {"a\\1\n5 50 1 \"A\"\n6 60\n7 70 1 \"C\"\n", H + A1 + P + p5 + "\r\n"},
      {"a\\1\n5 50 1\"A\"\n", H + A1 + P + "\r\n"},
      {"a\\1\n5 50 1 \"\n", H + A1 + P + "\r\n"},
      {"a\\1\\b\nc\\2\n", H + A1 + P + "\r\n"},
  };
  for (const auto& [body, console] : cases) EXPECT_EQ(Report(body), console) << body;
  for (const char* text : {"Response", "Response\n", "Response\n\\"})
    EXPECT_EQ(rcon::formatStatusResponse(text), Pieces{"\r\n"}) << text;
}

TEST(StatusReport, ParsedReplyKeepsWholeFields) {
  const rcon::StatusReply reply =
      rcon::parseStatusResponse("Response\n\\a\\1\\a\\2\n1234 56789 1 \"N\"\n0 0 \"T\"\n");
  using Setting = std::pair<std::string, std::string>;
  EXPECT_EQ(reply.settings, (std::vector<Setting>{{"a", "1"}, {"a", "2"}}));
  ASSERT_EQ(reply.players.size(), 2u);
  const rcon::StatusPlayer& p = reply.players[0];
  EXPECT_EQ(p.score + " " + p.ping + " " + *p.team + " " + p.name, "1234 56789 1 N");
  EXPECT_EQ(reply.players[1].team, std::nullopt);
  EXPECT_TRUE(reply.settingsTable && reply.playerTable && reply.complete);
  EXPECT_FALSE(rcon::parseStatusResponse("Response\n\\a\\1").complete);
}

TEST(StatusReport, ALargestDatagramIsFormattedWhole) {
  std::string text = "Response\n\\a\\1\n";
  int count = 0;
  while (text.size() < 65'507 - 20) text += std::to_string(count++) + " 5 1 \"p\"\n";
  const Pieces pieces = rcon::formatStatusResponse(text);
  ASSERT_EQ(pieces.size(), 5u + count);
  EXPECT_EQ(pieces[pieces.size() - 2],
            " " + std::to_string(count - 1).substr(0, 3) + "   5    Red       p\r\n");
}

}  // namespace
