// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColourCodes.h"

#include <gtest/gtest.h>

namespace {

// The spans as one text, each led by its colour in brackets.
std::string spans(std::string_view text, bool endAtLineFeed = false) {
  std::string out;
  for (const auto& s : rcon::splitColours(text, endAtLineFeed)) {
    out += '[' + std::to_string(s.colour) + ']' + s.text;
  }
  return out;
}

TEST(ColourCodes, EscapesPickColoursAndOtherCaretsStay) {
  struct Case {
    std::string_view text, spans, plain;
  };
  const Case cases[] = {
      {"", "", ""},
      {"plain", "[-1]plain", "plain"},
      {"^1Red^2Green^7Bot", "[1]Red[2]Green[7]Bot", "RedGreenBot"},
      {"^0black^8eight^9nine", "[0]blackeight[1]nine", "blackeightnine"},
      // letters wrap round like digits: 'a' is 49 past '0', 'Z' 42, 'x' 72
      {"^aA^Zz^xX", "[1]A[2]z[0]X", "AzX"},
      {"^ 5^^2z^", "[-1]^ 5^[2]z^", "^ 5^z^"},  // a caret before a blank or caret is text
      {"a^-b^!c", "[-1]a^-b^!c", "a^-b^!c"},
      {"^3^4x", "[4]x", "x"},  // an escape with nothing after it
      {"\xe9^\xe9"
       "2^3\xff",
       "[-1]\xe9^\xe9"
       "2[3]\xff",
       "\xe9^\xe9"
       "2\xff"},                      // 8-bit bytes are text
      {"^1a\nb", "[1]a\nb", "a\nb"},  // colour runs on across lines
  };
  for (const Case& c : cases) {
    EXPECT_EQ(spans(c.text), c.spans) << c.text;
    EXPECT_EQ(rcon::plainText(c.text), c.plain) << c.text;
  }
}

TEST(ColourCodes, LineFeedCanEndTheColour) {
  EXPECT_EQ(spans("^1a\nb^2c", true), "[1]a[-1]\nb[2]c");
  EXPECT_EQ(rcon::colourIndex('7'), 7);
  EXPECT_FALSE(rcon::isColourEscape("^", 0));
  EXPECT_FALSE(rcon::isColourEscape("x^1", 0));
  EXPECT_TRUE(rcon::isColourEscape("x^1", 1));
}

}  // namespace
