// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StatusTable.h"

#include <gtest/gtest.h>

#include <string>

#include "core/CliReply.h"

namespace {

// One row as "slot|score|ping|name|address", "-" for what is missing.
std::string row(const rcon::PlayerRow& p) {
  return (p.slot ? std::to_string(*p.slot) : "-") + '|' + std::to_string(p.score) + '|' + p.ping +
         '|' + p.name + '|' + p.address.value_or("-");
}

const std::string kNewerHead =
    "map: oa_dm1\n"
    "cl score ping name            address                                 rate\n"
    "-- ----- ---- --------------- --------------------------------------- -----\n";
const std::string kOlderHead =
    "map: q3dm17\n"
    "num score ping name            lastmsg address               qport rate\n"
    "--- ----- ---- --------------- ------- --------------------- ----- -----\n";

TEST(StatusTable, RowsOfBothLayouts) {
  struct Case {
    std::string head, line, row;
  };
  const Case cases[] = {
      {kNewerHead, " 0     1    0 Sarge           ^7bot                                     16384",
       "0|1|0|Sarge|^7bot"},
      // colour codes shift the columns after the name
      {kNewerHead,
       " 1     1    0 ^1Red^2Green^7Bot     ^7bot                                     16384",
       "1|1|0|^1Red^2Green^7Bot|^7bot"},
      {kNewerHead, " 2    -3   48 Two  Words      192.168.1.20:27960                        25000",
       "2|-3|48|Two  Words|192.168.1.20:27960"},
      {kNewerHead, " 3     0 CNCT Joining         [2001:db8::7]:27960                       5000",
       "3|0|CNCT|Joining|[2001:db8::7]:27960"},
      {kNewerHead,
       "12     0 ZMBI ^3Gone            loopback                                  25000",
       "12|0|ZMBI|^3Gone|loopback"},
      {kOlderHead, "  0    12   33 Visor^7         0 10.0.0.5:27960        1234 25000",
       "0|12|33|Visor^7|10.0.0.5:27960"},
      {kOlderHead, "  4     0    0 Ranger          50 bot                      0 25000",
       "4|0|0|Ranger|bot"},
      {kOlderHead, "  5     2  999 ^^^1Hat ^ Trick  100 [::1]:27961            77 25000",
       "5|2|999|^^^1Hat ^ Trick|[::1]:27961"},
      {"", " 6     1   20 NoHeading       0 10.1.2.3:27960        4 25000",  // older guessed
       "6|1|20|NoHeading|10.1.2.3:27960"},
      {"", " 7     1   20 NoHeading       10.1.2.3:27960 25000", "7|1|20|NoHeading|10.1.2.3:27960"},
      // a heading with nothing after the name (found by the fuzzer)
      {"cl score ping name\n", " 8  1 20 Rest Of  Line ", "8|1|20|Rest Of  Line|-"},
  };
  for (const Case& c : cases) {
    const rcon::StatusTable table = rcon::parseStatusOutput(c.head + c.line + "\n");
    ASSERT_EQ(table.players.size(), 1u) << c.line;
    EXPECT_EQ(row(table.players[0]), c.row);
    EXPECT_TRUE(table.unread.empty()) << c.line;
  }
  EXPECT_EQ(rcon::parseStatusOutput(kNewerHead).map, "oa_dm1");
}

TEST(StatusTable, LinesThatFitNeitherLayoutAreKeptRaw) {
  const std::string lines[] = {
      "garbage",
      " x     1    0 Name  bot 16384",              // slot not a number
      " 1     1   ping Name  bot 16384",            // ping neither number nor word
      " 1     1    0 Name  somewhere 16384",        // not an address
      " 1     1    0 Name  300.1.1.1:27960 16384",  // not an IPv4 address
      " 1     1    0 Name  1.2.3.4:99999 16384",    // port out of range
      " 1     1    0 Name  [::1 16384",             // bracket never closed
      " 1     1    0 Name  1.2^7.3.4:5 16384",      // a colour code inside (found by the fuzzer)
      " 1     1    0 Name  bot",                    // rate missing
      " 99999999999 1 0 Name bot 1",                // slot out of range
  };
  for (const std::string& line : lines) {
    const rcon::StatusTable table =
        rcon::parseStatusOutput(kNewerHead + line + "\r\n 0 1 0 Ok  bot 1\n");
    EXPECT_EQ(table.unread, std::vector<std::string>{line});
    ASSERT_EQ(table.players.size(), 1u) << line;  // the line after it is still read
  }
}

TEST(StatusTable, AddressesForCommands) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"^7bot", std::nullopt},
      {"loopback", std::nullopt},
      {"10.0.0.5:27960", "10.0.0.5"},
      {"^710.0.0.5:27960", "10.0.0.5"},
      {"[2001:db8::7]:27960", "2001:db8::7"},
  };
  for (const auto& [address, ip] : cases) {
    rcon::PlayerRow p{1, 0, "CNCT", "n", address};
    EXPECT_EQ(p.ip(), ip) << address;
    EXPECT_EQ(p.pingValue(), 1'000'000);
  }
  EXPECT_EQ((rcon::PlayerRow{1, 0, "48", "n", {}}.ip()), std::nullopt);
}

TEST(StatusTable, ASplitReplyIsJoinedFirst) {
  rcon::ReplyExchange exchange("127.0.0.1:27960", {}, false);
  exchange.sent(0);
  const std::string all =
      kNewerHead + " 0 1 0 Sarge  ^7bot 16384\n 1 5 40 ^1Long Name  10.0.0.9:1 2\n";
  const std::size_t cut = all.find("Long") + 2;  // mid-line, mid-name
  exchange.datagram("\xFF\xFF\xFF\xFFprint\n" + all.substr(0, cut), "127.0.0.1:27960", 10);
  exchange.datagram("\xFF\xFF\xFF\xFFprint\n" + all.substr(cut), "127.0.0.1:27960", 20);
  exchange.timerDue(1000);
  ASSERT_TRUE(exchange.done());
  const rcon::StatusTable table = rcon::parseStatusOutput(exchange.text());
  ASSERT_EQ(table.players.size(), 2u);
  EXPECT_EQ(row(table.players[1]), "1|5|40|^1Long Name|10.0.0.9:1");
  EXPECT_TRUE(table.unread.empty());
}

TEST(StatusTable, StatusReplyPlayersHaveNoSlotOrAddress) {
  const rcon::StatusTable table = rcon::playersFromStatusReply(
      "Response\n\\mapname\\oa_dm4\\sv_hostname\\x\n5 50 \"^1Al pha\"\n-2 999 \"B\"\n");
  EXPECT_EQ(table.map, "oa_dm4");
  ASSERT_EQ(table.players.size(), 2u);
  EXPECT_EQ(row(table.players[0]), "-|5|50|^1Al pha|-");
  EXPECT_EQ(row(table.players[1]), "-|-2|999|B|-");
}

}  // namespace
