#include "core/CliText.h"

namespace rcon {

std::vector<ColourSpan> colourSpans(std::string_view text) {
  std::vector<ColourSpan> spans;
  int colour = kDefaultColour;
  auto add = [&spans, &colour](char c) {
    if (spans.empty() || spans.back().colour != colour) spans.push_back({colour, {}});
    spans.back().text.push_back(c);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
      colour = (text[i + 1] - '0') % 8;
      ++i;
      continue;
    }
    if (c == '\n') colour = kDefaultColour;
    add(c);
  }
  return spans;
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
