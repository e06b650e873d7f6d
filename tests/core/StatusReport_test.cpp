#include "core/StatusReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kHead =
    "                Cvar  Value\r\n--------------------  --------------------\r\n";
const std::string kPlayers =
    "\r\n   Player List\r\n   ------ ----\r\n"
    "Score Ping    Team    Players\r\n----- ----- --------- --------------------\r\n";

std::string Join(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return text;
}

// The console text for a reply whose settings and players are body.
std::string Report(const std::string& body) {
  return Join(rcon::FormatStatusResponse("Response\n\\" + body));
}

TEST(StatusReport, WorkedExample) {
  const std::vector<std::string> pieces = rcon::FormatStatusResponse(
      "Response\n\\hostname\\Friday Night\\mode\\ctf\\maxplayers\\16\n"
      "5 50 1 \"Alpha\"\n0 999 3 \"Bravo Two\"\n12 48 0 \"C\"\n");
  const std::vector<std::string> expected = {
      kHead,
      "            hostname  Friday Night\r\n",
      "                mode  ctf\r\n",
      "          maxplayers  16\r\n",
      "\r\n   Player List\r\n   ------ ----\r\n",
      "Score Ping    Team    Players\r\n----- ----- --------- --------------------\r\n",
      " 5     50   Red       Alpha\r\n",
      " 0     999  Spectator Bravo Two\r\n",
      " 12    48   0 C\r\n",
      "\r\n",
  };
  EXPECT_EQ(pieces, expected);
}

TEST(StatusReport, WellFormedReplies) {
  const std::string a1 = "                   a  1\r\n";
  struct Case {
    const char* what;
    std::string body, console;
  } cases[] = {
      {"no players", "a\\1\n", kHead + a1 + kPlayers + "\r\n"},
      {"long setting name", "abcdefghijklmnopqrstuvwxyz\\1\n",
       kHead + "abcdefghijklmnopqrst  1\r\n" + kPlayers + "\r\n"},
      {"four-digit ping, long score", "a\\1\n1234 1000 2 \"X\"\n",
       kHead + a1 + kPlayers + " 123   100  Blue      X\r\n\r\n"},
      {"unknown team code, blanks in name", "a\\1\n1 2 77 \"A B  C \"\n",
       kHead + a1 + kPlayers + " 1     2    77 A B  C \r\n\r\n"},
      {"no backslash after the header", "5 50 1 \"Alpha\"\n",
       kHead + kPlayers + " 5     50   Red       Alpha\r\n\r\n"},
      {"empty last value", "a\\1\\b\\\n5 50 2 \"X\"\n",
       kHead + a1 + "                   b  \r\n" + kPlayers + " 5     50   Blue      X\r\n\r\n"},
      {"text-valued last setting", "a\\1\\hostname\\Friday Night\n5 50 1 \"A\"\n",
       kHead + a1 + "            hostname  Friday Night\r\n" + kPlayers +
           " 5     50   Red       A\r\n\r\n"},
      {"digits then text", "a\\16x\n", kHead + "                   a  16x\r\n" + kPlayers + "\r\n"},
      {"team-less player", "a\\1\n3 40 \"Solo Name\"\n",
       kHead + a1 + kPlayers + " 3     40             Solo Name\r\n\r\n"},
      {"backslash in a player name", "a\\1\n5 50 1 \"x\\y\"\n",
       kHead + a1 + kPlayers + " 5     50   Red       x\\y\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Report(c.body), c.console) << c.what;
}

TEST(StatusReport, MalformedRepliesEndEarlyButAlwaysClose) {
  const std::string a1 = "                   a  1\r\n";
  const std::string p5 = " 5     50   Red       A\r\n";
  struct Case {
    const char* what;
    std::string body, console;
  } cases[] = {
      {"settings end in a backslash", "a\\1\\", kHead + a1 + "\r\n"},
      {"no line feed after the last value", "a\\1", kHead + a1 + "\r\n"},
      {"last player line cut", "a\\1\n5 50 1 \"A\"\n6 60 2 \"B\"",
       kHead + a1 + kPlayers + p5 + "\r\n"},
      {"too few blanks", "a\\1\n5 50 1 \"A\"\n6 60\n7 70 1 \"C\"\n",
       kHead + a1 + kPlayers + p5 + "\r\n"},
      {"team code without a blank", "a\\1\n5 50 1\"A\"\n", kHead + a1 + kPlayers + "\r\n"},
      {"one-character name field", "a\\1\n5 50 1 \"\n", kHead + a1 + kPlayers + "\r\n"},
      {"leftover setting name", "a\\1\\b\nc\\2\n", kHead + a1 + kPlayers + "\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Report(c.body), c.console) << c.what;
  for (const char* text : {"Response", "Response\n", "Response\n\\"})
    EXPECT_EQ(rcon::FormatStatusResponse(text), std::vector<std::string>{"\r\n"}) << text;
}

TEST(StatusReport, ParsedReplyKeepsWholeFields) {
  const rcon::StatusReply reply =
      rcon::ParseStatusResponse("Response\n\\a\\1\\a\\2\n1234 56789 1 \"N\"\n0 0 \"T\"\n");
  using Setting = std::pair<std::string, std::string>;
  EXPECT_EQ(reply.settings, (std::vector<Setting>{{"a", "1"}, {"a", "2"}}));
  ASSERT_EQ(reply.players.size(), 2u);
  EXPECT_EQ(reply.players[0].score, "1234");
  EXPECT_EQ(reply.players[0].ping, "56789");
  EXPECT_EQ(reply.players[0].team, "1");
  EXPECT_EQ(reply.players[1].team, std::nullopt);
  EXPECT_EQ(reply.players[1].name, "T");
  EXPECT_TRUE(reply.settingsTable && reply.playerTable && reply.complete);
  EXPECT_FALSE(rcon::ParseStatusResponse("Response\n\\a\\1").complete);
}

TEST(StatusReport, ALargestDatagramIsFormattedWhole) {
  std::string text = "Response\n\\a\\1\n";
  int count = 0;
  while (text.size() < 65'507 - 20) text += std::to_string(count++) + " 5 1 \"p\"\n";
  const std::vector<std::string> pieces = rcon::FormatStatusResponse(text);
  ASSERT_EQ(pieces.size(), 5u + static_cast<std::size_t>(count));
  EXPECT_EQ(pieces[pieces.size() - 2],
            " " + std::to_string(count - 1).substr(0, 3) + "   5    Red       p\r\n");
}

}  // namespace
