#pragma once
// How the command-line companion lays out text for a terminal: colour codes (a caret and a
// digit) become colour changes, and the status report's CR LF line ends become line feeds.
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

// A stretch of text in one colour: 0 to 7, or kDefaultColour for the terminal's own.
struct ColourSpan {
  int colour;
  std::string text;
};
inline constexpr int kDefaultColour = -1;

// Splits text at its colour codes, which are left out. Colour ends with each line: a line
// feed starts a span in the default colour. Digits 8 and 9 wrap round to 0 and 1.
std::vector<ColourSpan> colourSpans(std::string_view text);

// The pieces joined, each CR LF turned into a line feed.
std::string joinAsLines(const std::vector<std::string>& pieces);

}  // namespace rcon
