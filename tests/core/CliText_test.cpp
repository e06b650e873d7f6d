// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliText.h"

#include <gtest/gtest.h>

namespace {

// The spans as one text, each led by its colour in brackets.
std::string Spans(std::string_view text) {
  std::string out;
  for (auto& s : rcon::colourSpans(text)) out += '[' + std::to_string(s.colour) + ']' + s.text;
  return out;
}

TEST(CliText, ColourCodesBecomeSpansThatEndWithTheLine) {
  EXPECT_EQ(Spans("^1Red^7Fox x^9y\n^ 5^^2z^"), "[1]Red[7]Fox x[1]y[-1]\n^ 5^[2]z^");
  EXPECT_EQ(Spans("") + Spans("^3"), "");
  EXPECT_EQ(Spans("^aA^b\nB"), "[1]A[-1]\nB");  // letters are escapes too, as in the GUI
}

TEST(CliText, LineEnds) {
  EXPECT_EQ(rcon::joinAsLines({"a\r\n", "b\r", "\nc\rd\n"}), "a\nb\nc\rd\n");  // the report's
}

}  // namespace
