// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour codes in names and server text: a caret followed by a letter or digit picks a colour
// and is not shown; a caret followed by anything else is shown as it stands. The one rule for
// the players window, the console and the command-line tool.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

// 0 black, 1 red, 2 green, 3 yellow, 4 blue, 5 cyan, 6 magenta, 7 white.
inline constexpr int kColourCount = 8;
// The viewer's own colour: no code has been met yet (or a line feed ended the colour).
inline constexpr int kDefaultColour = -1;

// A stretch of text in one colour, escapes left out.
struct ColourSpan {
  int colour;
  std::string text;
};

// Whether text[at] begins a colour escape: a caret with an ASCII letter or digit after it.
constexpr bool isColourEscape(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size() || text[at] != '^') return false;
  const char c = text[at + 1];
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The colour an escape's second character picks; letters and 8, 9 wrap round.
constexpr int colourIndex(char code) { return (code - '0') & (kColourCount - 1); }

// Splits text at its escapes. With endAtLineFeed, a line feed starts a span in the default
// colour (a terminal's lines each begin plain).
std::vector<ColourSpan> splitColours(std::string_view text, bool endAtLineFeed = false);

// The text without its escapes: what a reader sees, for sorting, filtering and widths.
std::string plainText(std::string_view text);

}  // namespace rcon
