// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ServerList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using rcon::SavedServer;
using rcon::ServerList;
using Names = std::vector<std::string>;

SavedServer server(const char* name, const char* host = "10.0.0.1", std::uint16_t port = 20100) {
  return SavedServer{name, host, port, {}};
}

Names names(const std::vector<const SavedServer*>& servers) {
  Names result;
  for (const SavedServer* s : servers) result.push_back(s->name);
  return result;
}

ServerList listOf(std::initializer_list<const char*> serverNames) {
  ServerList list;
  for (const char* name : serverNames) EXPECT_EQ(list.save(server(name)), "");
  return list;
}

TEST(HostAddress, AcceptsIpv4NamesAndBracketedIpv6Only) {
  struct Case {
    const char* host;
    bool accepted;
  };
  for (const auto& [host, accepted] : std::initializer_list<Case>{{"192.168.0.7", true},
                                                                  {"255.255.255.255", true},
                                                                  {"ctf.example.org", true},
                                                                  {"localhost", true},
                                                                  {"host_1.lan.", true},
                                                                  {"[::1]", true},
                                                                  {"[2001:db8::7]", true},
                                                                  {"[::ffff:10.0.0.1]", true},
                                                                  {"[1:2:3:4:5:6:7:8]", true},
                                                                  {"", false},
                                                                  {"0.0.0.0", false},
                                                                  {"256.1.1.1", false},
                                                                  {"10.1", false},
                                                                  {"1.2.3.4.5", false},
                                                                  {"-bad.example", false},
                                                                  {"bad-.example", false},
                                                                  {"a..b", false},
                                                                  {"::1", false},
                                                                  {"[::1", false},
                                                                  {"[1::2::3]", false},
                                                                  {"[1:2:3:4:5:6:7:8:9]", false},
                                                                  {"[12345::]", false},
                                                                  {"host name", false},
                                                                  {"host:20100", false},
                                                                  {"hôte.example", false}}) {
    EXPECT_EQ(rcon::hostProblem(host).empty(), accepted) << host;
  }
}

TEST(HostAddress, ParsesPortsAndAddresses) {
  using rcon::Endpoint;
  EXPECT_EQ(rcon::parsePort("1"), 1);
  EXPECT_EQ(rcon::parsePort("65535"), 65535);
  for (const char* bad : {"", "0", "65536", "-1", "+5", " 5", "5x", "0000000001"})
    EXPECT_EQ(rcon::parsePort(bad), std::nullopt) << bad;

  struct Case {
    const char* text;
    std::optional<Endpoint> parsed;
  };
  for (const auto& [text, parsed] :
       std::initializer_list<Case>{{"10.0.0.1", Endpoint{"10.0.0.1", 20100}},
                                   {"10.0.0.1:27960", Endpoint{"10.0.0.1", 27960}},
                                   {"ctf.example.org:1", Endpoint{"ctf.example.org", 1}},
                                   {"[::1]", Endpoint{"[::1]", 20100}},
                                   {"[::1]:20101", Endpoint{"[::1]", 20101}},
                                   {"::1", std::nullopt},
                                   {"10.0.0.1:", std::nullopt},
                                   {"10.0.0.1:0", std::nullopt},
                                   {"[::1]:x", std::nullopt},
                                   {"", std::nullopt}}) {
    EXPECT_EQ(rcon::parseAddress(text, 20100), parsed) << text;
  }
  EXPECT_EQ(rcon::formatAddress("[::1]", 20100), "[::1]:20100");
  EXPECT_EQ(rcon::unbracketedHost("[::1]"), "::1");
}

TEST(ServerList, ValidatesEntriesBeforeSaving) {
  struct Case {
    SavedServer entry;
    bool accepted;
  };
  SavedServer withBadKey = server("a");
  withBadKey.options["kick/ban"] = "x";
  SavedServer withOptions = server("a");
  withOptions.options = {{"kick", "clientkick %1"}, {"password-command", "pass show game/ctf"}};
  for (const auto& [entry, accepted] :
       std::initializer_list<Case>{{server("ctf-east"), true},
                                   {server("Zürich 1 ☆"), true},  // any UTF-8 text
                                   {withOptions, true},
                                   {server(""), false},
                                   {server(" padded"), false},
                                   {server("a,b"), false},
                                   {server("tab\there"), false},
                                   {server("all"), false},
                                   {server("a", "10.0.0.1", 0), false},
                                   {server("a", "not a host"), false},
                                   {withBadKey, false}}) {
    ServerList list;
    EXPECT_EQ(list.save(entry).empty(), accepted) << entry.name;
    EXPECT_EQ(list.servers().size(), accepted ? 1u : 0u);
  }
}

TEST(ServerList, SaveAddsReplacesAndRenames) {
  ServerList list = listOf({"a", "b"});
  ASSERT_EQ(list.setGroup("eu", {"a", "b"}), "");
  list.noteUsed("a");
  list.options.lastServer = "a";

  EXPECT_NE(list.save(server("b")), "");       // a new server may not take a name in use
  EXPECT_NE(list.save(server("eu")), "");      // nor a group's
  EXPECT_NE(list.save(server("b"), "a"), "");  // nor may a rename
  EXPECT_NE(list.save(server("c"), "missing"), "");
  EXPECT_EQ(list.save(server("a", "10.0.0.9"), "a"), "");  // an edit keeps the name
  EXPECT_EQ(list.find("a")->host, "10.0.0.9");

  EXPECT_EQ(list.save(server("renamed", "10.0.0.9"), "a"), "");
  EXPECT_EQ(names(list.resolve("all")), (Names{"renamed", "b"}));  // keeps its place
  EXPECT_EQ(names(list.resolve("eu")), (Names{"renamed", "b"}));
  EXPECT_EQ(list.recent(), (Names{"renamed"}));
  EXPECT_EQ(list.options.lastServer, "renamed");
}

TEST(ServerList, RemoveTakesTheServerOutOfEverything) {
  ServerList list = listOf({"a", "b"});
  ASSERT_EQ(list.setGroup("one", {"a"}), "");
  ASSERT_EQ(list.setGroup("two", {"a", "b"}), "");
  list.noteUsed("10.0.0.5:20100");
  list.noteUsed("a");
  list.options.lastServer = "a";

  EXPECT_TRUE(list.remove("a"));
  EXPECT_FALSE(list.remove("a"));
  EXPECT_EQ(names(list.resolve("all")), Names{"b"});
  ASSERT_EQ(list.groups().size(), 1u);  // an emptied group goes
  EXPECT_EQ(list.groups()[0], (rcon::ServerGroup{"two", {"b"}}));
  EXPECT_EQ(list.recent(), Names{"10.0.0.5:20100"});
  EXPECT_EQ(list.options.lastServer, "");
}

TEST(ServerList, GroupsAndTargets) {
  ServerList list = listOf({"ctf-east", "ctf-west", "dm"});
  struct GroupCase {
    const char* name;
    Names members;
    bool accepted;
  };
  for (const auto& [name, members, accepted] :
       std::initializer_list<GroupCase>{{"eu", {"ctf-west", "ctf-east", "ctf-west"}, true},
                                        {"all", {"dm"}, false},
                                        {"dm", {"dm"}, false},  // a server's name
                                        {"x", {"nobody"}, false},
                                        {"", {"dm"}, false},
                                        {"gone", {"dm"}, true},
                                        {"gone", {}, true}}) {  // no members removes it
    EXPECT_EQ(list.setGroup(name, members).empty(), accepted) << name;
  }
  struct TargetCase {
    const char* target;
    Names servers;
  };
  for (const auto& [target, servers] : std::initializer_list<TargetCase>{
           {"all", {"ctf-east", "ctf-west", "dm"}},
           {"eu", {"ctf-west", "ctf-east"}},  // the group's order, each once
           {"dm", {"dm"}},
           {"gone", {}},
           {"nobody", {}}}) {
    EXPECT_EQ(names(list.resolve(target)), servers) << target;
  }
}

TEST(ServerList, RecentListKeepsTheLastEightMostRecentFirst) {
  ServerList list = listOf({"ctf"});
  for (int i = 1; i <= 9; ++i) list.noteUsed("10.0.0." + std::to_string(i) + ":20100");
  EXPECT_EQ(list.recent().size(), 8u);
  EXPECT_EQ(list.recent().front(), "10.0.0.9:20100");
  EXPECT_EQ(list.recent().back(), "10.0.0.2:20100");  // the oldest fell off

  list.noteUsed("10.0.0.5:20100");  // used again: moved to the front, not repeated
  list.noteUsed(list.recent()[3]);  // a label taken from the list itself: 10.0.0.7
  list.noteUsed("ctf");
  EXPECT_EQ(list.recent(),
            (Names{"ctf", "10.0.0.7:20100", "10.0.0.5:20100", "10.0.0.9:20100", "10.0.0.8:20100",
                   "10.0.0.6:20100", "10.0.0.4:20100", "10.0.0.3:20100"}));

  EXPECT_EQ(list.recentServer("ctf"), *list.find("ctf"));
  EXPECT_EQ(list.recentServer("[::1]:20101"), (SavedServer{"", "[::1]", 20101, {}}));
  EXPECT_EQ(list.recentServer("10.0.0.1"), std::nullopt);  // an address needs its port
  EXPECT_EQ(list.recentServer("nobody"), std::nullopt);
}

}  // namespace
