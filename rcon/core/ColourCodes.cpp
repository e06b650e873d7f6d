// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColourCodes.h"

namespace rcon {

std::vector<ColourSpan> splitColours(std::string_view text, bool endAtLineFeed) {
  std::vector<ColourSpan> spans;
  int colour = kDefaultColour;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isColourEscape(text, i)) {
      colour = colourIndex(text[++i]);
      continue;
    }
    if (endAtLineFeed && text[i] == '\n') colour = kDefaultColour;
    if (spans.empty() || spans.back().colour != colour) spans.push_back({colour, {}});
    spans.back().text.push_back(text[i]);
  }
  return spans;
}

std::string plainText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isColourEscape(text, i)) {
      ++i;
      continue;
    }
    plain.push_back(text[i]);
  }
  return plain;
}

}  // namespace rcon
