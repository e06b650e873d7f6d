#include "core/CliText.h"

#include <gtest/gtest.h>

namespace {

using rcon::ColourSpan;
using rcon::kDefaultColour;

bool operator==(const ColourSpan& a, const ColourSpan& b) {
  return a.colour == b.colour && a.text == b.text;
}

TEST(CliText, ColourCodesBecomeSpansThatEndWithTheLine) {
  const std::vector<ColourSpan> spans = rcon::ColourSpans("^1Red^7Fox x^9y\n^ 5^^2z^");
  const std::vector<ColourSpan> expected = {
      {kDefaultColour, ""},       {1, "Red"}, {7, "Fox x"}, {1, "y"},
      {kDefaultColour, "\n^ 5^"}, {2, "z^"}};
  // The leading empty span never appears: text starts only with a coloured character.
  ASSERT_EQ(spans.size(), expected.size() - 1);
  for (std::size_t i = 0; i < spans.size(); ++i) EXPECT_TRUE(spans[i] == expected[i + 1]) << i;
  EXPECT_TRUE(rcon::ColourSpans("").empty());
  EXPECT_TRUE(rcon::ColourSpans("^3").empty());
}

TEST(CliText, ReportLinesEndWithLineFeeds) {
  EXPECT_EQ(rcon::JoinAsLines({"a\r\n", "b\r", "\nc\rd\n"}), "a\nb\nc\rd\n");
}

TEST(CliText, MessageListsTakeEitherLineEnd) {
  EXPECT_EQ(rcon::MessageList("A\r\nB\r\n"), "A\r\nB\r\n");
  EXPECT_EQ(rcon::MessageList("A\nB\n\nC"), "A\r\nB\r\n\r\nC");
  EXPECT_EQ(rcon::MessageList("A\rB"), "A\rB");
  EXPECT_EQ(rcon::MessageList(""), std::nullopt);
  EXPECT_EQ(rcon::MessageList("\r\n\n\r\n"), std::nullopt);
}

}  // namespace
