// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliText.h"

namespace rcon {

std::vector<ColourSpan> colourSpans(std::string_view text) {
  return splitColours(text, /*endAtLineFeed=*/true);
}

std::string joinAsLines(const std::vector<std::string>& pieces) {
  std::string all;
  for (const std::string& piece : pieces) all += piece;
  std::string joined;
  joined.reserve(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n') continue;
    joined.push_back(all[i]);
  }
  return joined;
}

}  // namespace rcon
