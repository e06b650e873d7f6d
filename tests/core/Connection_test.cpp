#include "core/Connection.h"

#include <gtest/gtest.h>

#include "core/Protocol.h"

namespace {

using rcon::Destination;

TEST(Protocol, RequestsByteForByte) {
  EXPECT_EQ(rcon::MakeDatagram(rcon::kStatusRequest),
            std::string("\xFF\xFF\xFF\xFF\x67\x65\x74\x73\x74\x61\x74\x75\x73", 13));
  EXPECT_EQ(rcon::RconRequest("pw", "status"), "rcon pw status");
  EXPECT_EQ(rcon::RconRequest("", "map x"), "rcon  map x");
  EXPECT_EQ(rcon::RconRequest(" p w ", "   "), "rcon  p w     ");
  EXPECT_EQ(rcon::SayRequest("", "hi"), "rcon  say hi");
  EXPECT_EQ(rcon::SayRequest("pw", ""), "rcon pw say ");
  // Bytes outside ASCII go out unchanged, one byte per character.
  EXPECT_EQ(rcon::MakeDatagram("\xE9\x80"), std::string("\xFF\xFF\xFF\xFF\xE9\x80", 6));
}

TEST(GetServerAddress, JoinsWholeParts) {
  struct Case {
    rcon::OctetTexts fields;
    const char* address;
  } cases[] = {
      {{"192", "168", "0", "7"}, "192.168.0.7"},    {{"1", "02", "x", "9"}, "1.2.0.9"},
      {{"1.5", "1.9", "", "abc"}, "1.1.0.0"},       {{"-1", "-.5", "0", "0"}, "-1.-1.0.0"},
      {{"9e9", "0", "0", "1"}, "9000000000.0.0.1"},
  };
  for (const Case& c : cases) EXPECT_EQ(rcon::GetServerAddress(c.fields).strServerIP, c.address);
}

TEST(GetServerPort, WholePartOfTheField) {
  EXPECT_EQ(rcon::GetServerPort("20100abc"), 20100);
  EXPECT_EQ(rcon::GetServerPort("abc"), 0);
  EXPECT_EQ(rcon::GetServerPort("201x"), 201);
  EXPECT_EQ(rcon::GetServerPort("12.9"), 12);
  EXPECT_EQ(rcon::GetServerPort("2.5e3"), 2500);
  EXPECT_EQ(rcon::GetServerPort(""), 0);
}

TEST(CheckDestination, RefusesWhatCannotBeSent) {
  auto check = [](rcon::OctetTexts fields, std::int64_t port) {
    return rcon::CheckDestination(rcon::GetServerAddress(fields), port);
  };
  EXPECT_EQ(check({"0", "0", "0", "0"}, 20100), Destination::Unset);
  EXPECT_EQ(check({"", "x", "0.5", "-0"}, 20100), Destination::Unset);
  EXPECT_EQ(check({"1", "2", "3", "300"}, 20100), Destination::InvalidAddress);
  EXPECT_EQ(check({"9e9", "0", "0", "1"}, 20100), Destination::InvalidAddress);
  EXPECT_EQ(check({"-1", "0", "0", "1"}, 20100), Destination::InvalidAddress);
  EXPECT_EQ(check({"127", "0", "0", "1"}, 0), Destination::InvalidPort);
  EXPECT_EQ(check({"127", "0", "0", "1"}, 65536), Destination::InvalidPort);
  EXPECT_EQ(check({"127", "0", "0", "1"}, 65535), Destination::Valid);
  EXPECT_EQ(check({"127", "0", "0", "1"}, 1), Destination::Valid);
  // The unset address keeps its own refusal even with a bad port.
  EXPECT_EQ(check({"0", "0", "0", "0"}, 0), Destination::Unset);
  EXPECT_EQ(rcon::RefusalText(Destination::InvalidPort), "Please enter a valid server port.");
  EXPECT_EQ(rcon::RefusalText(Destination::Unset), "Please enter a valid IP address.");
}

TEST(CheckOctet, TidiesOrRefuses) {
  struct Case {
    const char* text;
    const char* tidied;  // nullptr: refused
  } cases[] = {
      {"007", "7"},    {"", "0"},        {"12a", "12"},    {"1.9", "1"},     {"1e2", "100"},
      {"&HF", "15"},   {"-0", "0"},      {"0.9", "0"},     {".16", "0"},     {"255", "255"},
      {"-1", nullptr}, {"-.5", nullptr}, {"256", nullptr}, {"9e9", nullptr}, {"9e999", nullptr},
  };
  for (const Case& c : cases) {
    const rcon::OctetCheck check = rcon::CheckOctet(c.text);
    EXPECT_EQ(check.accepted, c.tidied != nullptr) << c.text;
    EXPECT_EQ(check.tidied, c.tidied ? c.tidied : c.text) << c.text;
  }
}

}  // namespace
