// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrintLayout.h"

#include <algorithm>

namespace rcon {
namespace {

void wrap(std::string_view line, std::size_t columns, std::vector<std::string>& out) {
  std::string expanded;
  expanded.reserve(line.size());
  for (const char c : line) {
    if (c == '\t') {
      expanded.append(kTabCells - expanded.size() % kTabCells, ' ');
    } else {
      expanded.push_back(c);
    }
  }
  if (expanded.empty()) {
    out.emplace_back();
    return;
  }
  for (std::size_t at = 0; at < expanded.size(); at += columns) {
    out.push_back(expanded.substr(at, columns));
  }
}

}  // namespace

std::vector<std::string> printLines(std::string_view text, std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string_view::npos) {
      if (start < text.size() || lines.empty()) wrap(text.substr(start), columns, lines);
      break;
    }
    std::size_t end = feed;
    if (end > start && text[end - 1] == '\r') --end;
    wrap(text.substr(start, end - start), columns, lines);
    start = feed + 1;
  }
  return lines;
}

}  // namespace rcon
