// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Connection.h"

#include <gtest/gtest.h>

#include "core/Protocol.h"

namespace {

using rcon::Destination;

TEST(Protocol, RequestsByteForByte) {
  EXPECT_EQ(rcon::makeDatagram(rcon::kStatusRequest),
            std::string("\xFF\xFF\xFF\xFF\x67\x65\x74\x73\x74\x61\x74\x75\x73", 13));
  EXPECT_EQ(rcon::rconRequest("", "map x"), "rcon  map x");
  EXPECT_EQ(rcon::rconRequest(" p w ", "   "), "rcon  p w     ");
  EXPECT_EQ(rcon::sayRequest("", "hi"), "rcon  say hi");
  EXPECT_EQ(rcon::makeDatagram("\xE9\x80"), std::string("\xFF\xFF\xFF\xFF\xE9\x80", 6));
}

TEST(Connection, AddressAndPortAreWholeParts) {
  const std::pair<rcon::OctetTexts, const char*> addresses[] = {
      {{"192", "168", "0", "7"}, "192.168.0.7"},
      {{"1", "02", "x", "9"}, "1.2.0.9"},
      {{"1.5", "1.9", "", "abc"}, "1.1.0.0"},
      {{"-1", "-.5", "0", "0"}, "-1.-1.0.0"},
      {{"9e9", "0", "0", "1"}, "9000000000.0.0.1"}};
  for (const auto& [fields, address] : addresses) {
    EXPECT_EQ(rcon::serverAddress(fields).dotted, address);
  }
  const std::pair<const char*, std::int64_t> ports[] = {
      {"20100abc", 20100}, {"abc", 0}, {"201x", 201}, {"12.9", 12}, {"2.5e3", 2500}, {"", 0}};
  for (const auto& [text, port] : ports) EXPECT_EQ(rcon::serverPort(text), port) << text;
}

TEST(Connection, RefusesWhatCannotBeSent) {
  const std::tuple<rcon::OctetTexts, std::int64_t, Destination> cases[] = {
      {{"0", "0", "0", "0"}, 20100, Destination::Unset},
      {{"", "x", "0.5", "-0"}, 20100, Destination::Unset},
      {{"0", "0", "0", "0"}, 0, Destination::Unset},  // keeps its own refusal
      {{"1", "2", "3", "300"}, 20100, Destination::InvalidAddress},
      {{"9e9", "0", "0", "1"}, 20100, Destination::InvalidAddress},
      {{"-1", "0", "0", "1"}, 20100, Destination::InvalidAddress},
      {{"127", "0", "0", "1"}, 0, Destination::InvalidPort},
      {{"127", "0", "0", "1"}, 65536, Destination::InvalidPort},
      {{"127", "0", "0", "1"}, 65535, Destination::Valid},
      {{"127", "0", "0", "1"}, 1, Destination::Valid}};
  for (const auto& [fields, port, expected] : cases) {
    EXPECT_EQ(rcon::checkDestination(rcon::serverAddress(fields), port), expected);
  }
}

TEST(Connection, OctetCheckTidiesOrRefuses) {
  const std::pair<const char*, const char*> cases[] = {
      // nullptr: refused, left as typed
      {"007", "7"},    {"", "0"},        {"12a", "12"},    {"1.9", "1"},     {"1e2", "100"},
      {"&HF", "15"},   {"-0", "0"},      {"0.9", "0"},     {".16", "0"},     {"255", "255"},
      {"-1", nullptr}, {"-.5", nullptr}, {"256", nullptr}, {"9e9", nullptr}, {"9e999", nullptr}};
  for (const auto& [text, tidied] : cases) {
    const rcon::OctetCheck check = rcon::checkOctet(text);
    EXPECT_EQ(check.accepted, tidied != nullptr) << text;
    EXPECT_EQ(check.tidied, tidied ? tidied : text) << text;
  }
}

}  // namespace
